#include "HandedFolderChooser.h"

#include <utility>

HandedFolderChooser::HandedFolderChooser(std::unique_ptr<FolderChooser> inner)
    : m_inner(std::move(inner))
{ }

bool HandedFolderChooser::hand(const QString &path)
{
    if (m_asking)
        return false;
    m_handed = path;
    return true;
}

std::optional<QString> HandedFolderChooser::chooseFolder()
{
    if (m_handed)
        return std::exchange(m_handed, std::nullopt);
    // The dialog runs its own event loop, in which a second launch may call in.
    m_asking = true;
    std::optional<QString> chosen = m_inner->chooseFolder();
    m_asking = false;
    return chosen;
}
