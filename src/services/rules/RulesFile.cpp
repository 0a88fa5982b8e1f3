#include "services/rules/RulesFile.h"

std::filesystem::path RulesFile::defaultPath()
{
    return {};
}

RulesFile::RulesFile(FileSystem &fileSystem, std::filesystem::path path)
    : m_fileSystem(fileSystem)
    , m_path(std::move(path))
{ }

std::shared_ptr<const SortingRules> RulesFile::current()
{
    return SortingRules::builtIn();
}

RulesDocument RulesFile::readDocument()
{
    return {};
}

void RulesFile::save(const RulesDocument &) { }

std::filesystem::path RulesFile::setAside()
{
    return m_path;
}
