#pragma once

#include "FolderPath.h"

class SettingsStore;

// The folder selected last, as the settings keep it for the next launch: its path as
// text ("lastFolderPath"), and beside it the bytes of a path that is not UTF-8.
class LastFolder
{
public:
    // The stored folder; empty when none is stored.
    static FolderPath read(const SettingsStore &settings);
    static void write(SettingsStore &settings, const FolderPath &folder);
};
