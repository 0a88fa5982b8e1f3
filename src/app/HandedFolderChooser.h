#pragma once

#include "FolderChooser.h"

#include <memory>

// The folder chooser the view model is given: it asks `inner` (the folder dialog), or
// answers once with a folder handed to the program (on its command line, or by a
// second launch), so that folder is taken exactly as if the user had chosen it.
class HandedFolderChooser final : public FolderChooser
{
public:
    explicit HandedFolderChooser(std::unique_ptr<FolderChooser> inner);

    // Makes `path` the next answer. Refused while the dialog is up: the user is choosing.
    bool hand(const FolderPath &folder);
    bool isAsking() const { return m_asking; }

    std::optional<FolderPath> chooseFolder() override;

private:
    std::unique_ptr<FolderChooser> m_inner;
    std::optional<FolderPath> m_handed;
    bool m_asking = false;
};
