#include "HandedFolderChooser.h"

#include <utility>

HandedFolderChooser::HandedFolderChooser(std::unique_ptr<FolderChooser> inner)
    : m_inner(std::move(inner))
{ }

bool HandedFolderChooser::hand(const FolderPath &folder)
{
    if (m_asking)
        return false;
    m_handed = folder;
    return true;
}

std::optional<FolderPath> HandedFolderChooser::chooseFolder()
{
    if (m_handed)
        return std::exchange(m_handed, std::nullopt);
    // The dialog runs its own event loop, in which a second launch may call in.
    m_asking = true;
    std::optional<FolderPath> chosen = m_inner->chooseFolder();
    m_asking = false;
    return chosen;
}
