#pragma once

#include "FileMoveOperation.h"

#include <vector>

// Holds the executed moves of the last organizing run: one level of undo.
class UndoService
{
public:
    const std::vector<FileMoveOperation> &lastOperations() const { return m_lastOperations; }

    void record(std::vector<FileMoveOperation> operations);
    // Hands out the recorded moves and leaves the record empty.
    std::vector<FileMoveOperation> take();
    void clear();

private:
    std::vector<FileMoveOperation> m_lastOperations;
};
