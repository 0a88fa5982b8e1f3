#include "UndoService.h"

#include <utility>

void UndoService::record(std::vector<FileMoveOperation> operations)
{
    m_lastOperations = std::move(operations);
}

std::vector<FileMoveOperation> UndoService::take()
{
    return std::exchange(m_lastOperations, {});
}

void UndoService::clear()
{
    m_lastOperations.clear();
}
