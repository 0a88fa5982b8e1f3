#pragma once

class QPushButton;

// The filled accent-coloured look of a window's main command.
void makeProminent(QPushButton *button);
