#include "RulesEditor.h"

#include "ErrorTexts.h"
#include "RulesAnswer.h"
#include "RulesCategoryModel.h"
#include "RulesEdits.h"
#include "model/SortingRules.h"

#include <QStringListModel>

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace {

// The duration's letter of each AgeUnit, as the rules file writes it ("12h").
constexpr std::array<char, 3> unitLetters { 'm', 'h', 'd' };

// The amount and unit of "30m", "12h" or "2d"; none for anything else.
std::pair<int, RulesEditor::AgeUnit> ageOf(const std::string &text)
{
    int amount = 0;
    const auto *unit = text.size() < 2
        ? unitLetters.end()
        : std::find(unitLetters.begin(), unitLetters.end(), text.back());
    const char *last = text.data() + text.size() - 1;
    if (unit == unitLetters.end() || std::from_chars(text.data(), last, amount).ptr != last
        || amount <= 0)
        return { 0, RulesEditor::AgeUnit::days };
    return { amount, RulesEditor::AgeUnit(unit - unitLetters.begin()) };
}

QStringList texts(const std::vector<std::string> &values)
{
    QStringList list;
    for (const std::string &value : values)
        list << QString::fromStdString(value);
    return list;
}

} // namespace

RulesEditor::RulesEditor(RunController &runs, QObject *parent)
    : QObject(parent)
    , m_store(runs)
    , m_categories(std::make_unique<RulesCategoryModel>())
    , m_extensions(std::make_unique<QStringListModel>())
    , m_leaveAlone(std::make_unique<QStringListModel>())
{
    m_categories->setRules(SortingRules::builtIn());
}

RulesEditor::~RulesEditor() = default;

std::string RulesEditor::currentName() const
{
    if (m_current < 0 || m_current >= m_categories->rowCount())
        return {};
    return m_categories->rules()->categories()[std::size_t(m_current)].label.name;
}

QString RulesEditor::currentFolder() const
{
    // As typed, also while it is wrong.
    const std::string name = currentName();
    for (const RulesDocument::Category &category : m_document.categories)
        if (category.name == name && category.folder)
            return QString::fromStdString(*category.folder);
    const QModelIndex row = m_categories->index(m_current);
    return row.data(RulesCategoryModel::FolderRole).toString();
}

bool RulesEditor::currentSubfolders() const
{
    return m_categories->index(m_current).data(RulesCategoryModel::SubfoldersRole).toBool();
}

bool RulesEditor::isCurrentOwn() const
{
    return m_current >= 0 && !RulesEdits::isBuiltIn(currentName());
}

QString RulesEditor::sampleAnswer() const
{
    if (m_sampleName.trimmed().isEmpty())
        return {};
    if (!m_isRight)
        return m_problem;
    return RulesAnswer::whereItGoes(*m_categories->rules(), m_sampleName);
}

void RulesEditor::load()
{
    m_store.read([this](RulesStore::Read read) {
        const bool wasLoaded = std::exchange(m_isLoaded, read.error.isEmpty());
        if (std::exchange(m_fileError, read.error) != read.error || wasLoaded != m_isLoaded)
            emit fileErrorChanged();
        if (!m_isLoaded)
            return;
        apply(std::move(read.document), true);
        m_isModified = false;
        if (m_current < 0)
            m_current = 0;
        refreshLists();
        emit changed();
    });
}

bool RulesEditor::apply(RulesDocument document, bool keepWrong)
{
    const std::string current = currentName();
    std::shared_ptr<const SortingRules> rules;
    try {
        rules = SortingRules::fromDocument(document, std::string());
        m_problem.clear();
    } catch (const std::exception &error) {
        m_problem = ErrorTexts::translate(error);
        if (!keepWrong) {
            emit changed();
            return false;
        }
    }
    m_isRight = rules != nullptr;
    m_document = std::move(document);
    m_isModified = true;
    ++m_edits;
    if (rules) {
        m_categories->setRules(std::move(rules));
        const int row = m_categories->rowOf(QString::fromStdString(current));
        m_current = row >= 0 ? row : std::min(m_current, m_categories->rowCount() - 1);
    }
    refreshLists();
    emit changed();
    return true;
}

void RulesEditor::refreshLists()
{
    const QStringList extensions
        = m_categories->index(m_current).data(RulesCategoryModel::ExtensionsRole).toStringList();
    if (m_extensions->stringList() != extensions)
        m_extensions->setStringList(extensions);
    const QStringList names = texts(m_document.leaveAloneNames);
    if (m_leaveAlone->stringList() != names)
        m_leaveAlone->setStringList(names);
    std::tie(m_ageAmount, m_ageUnit) = ageOf(m_document.newerThan);
}

void RulesEditor::setCurrentCategory(int row)
{
    if (row == m_current || row < 0 || row >= m_categories->rowCount())
        return;
    m_current = row;
    refreshLists();
    emit changed();
}

bool RulesEditor::addExtension(const QString &text)
{
    const std::string extension = RulesEdits::normalizedExtension(text.toStdString());
    if (extension.empty() || m_current < 0)
        return false;
    RulesDocument document = m_document;
    RulesEdits::addExtension(document, currentName(), extension);
    return apply(std::move(document));
}

void RulesEditor::removeExtension(int row)
{
    const QStringList extensions = m_extensions->stringList();
    if (row < 0 || row >= extensions.size())
        return;
    RulesDocument document = m_document;
    RulesEdits::removeExtension(document, currentName(), extensions[row].toStdString());
    apply(std::move(document));
}

void RulesEditor::setCurrentFolder(const QString &folder)
{
    if (m_current < 0 || folder == currentFolder())
        return;
    RulesDocument document = m_document;
    RulesEdits::setFolder(document, currentName(), folder.toStdString());
    apply(std::move(document), true);
}

void RulesEditor::setCurrentSubfolders(bool on)
{
    if (m_current < 0 || on == currentSubfolders())
        return;
    RulesDocument document = m_document;
    RulesEdits::setSubfolders(document, currentName(), on);
    apply(std::move(document));
}

bool RulesEditor::addCategory(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || !m_isLoaded)
        return false;
    RulesDocument document = m_document;
    const bool added = RulesEdits::addCategory(document, trimmed.toStdString());
    if (added && !apply(std::move(document)))
        return false;
    setCurrentCategory(m_categories->rowOf(trimmed));
    return added;
}

void RulesEditor::removeCurrentCategory()
{
    if (!isCurrentOwn())
        return;
    RulesDocument document = m_document;
    RulesEdits::removeCategory(document, currentName());
    apply(std::move(document));
}

bool RulesEditor::addLeaveAloneName(const QString &pattern)
{
    const std::string text = pattern.trimmed().toStdString();
    std::vector<std::string> &names = m_document.leaveAloneNames;
    if (text.empty() || std::find(names.begin(), names.end(), text) != names.end())
        return false;
    RulesDocument document = m_document;
    document.leaveAloneNames.push_back(text);
    return apply(std::move(document));
}

void RulesEditor::removeLeaveAloneName(int row)
{
    if (row < 0 || std::size_t(row) >= m_document.leaveAloneNames.size())
        return;
    RulesDocument document = m_document;
    document.leaveAloneNames.erase(document.leaveAloneNames.begin() + row);
    apply(std::move(document));
}

void RulesEditor::setAge(int amount, AgeUnit unit)
{
    RulesDocument document = m_document;
    document.newerThan
        = amount > 0 ? std::to_string(amount) + unitLetters[std::size_t(unit)] : std::string();
    if (document.newerThan != m_document.newerThan)
        apply(std::move(document));
}

void RulesEditor::setSampleName(const QString &name)
{
    if (std::exchange(m_sampleName, name) != name)
        emit changed();
}

void RulesEditor::save()
{
    if (!canSave())
        return;
    m_store.save(m_document, [this, edits = m_edits](const QString &error) {
        if (!error.isEmpty()) {
            m_problem = error;
            emit changed();
            return;
        }
        // Edits made while it was written are still to save.
        m_isModified = edits != m_edits;
        emit changed();
        emit saved();
    });
}

void RulesEditor::setAside()
{
    m_store.setAside([this](RulesStore::SetAside outcome) {
        if (!outcome.error.isEmpty()) {
            setFileError(outcome.error);
            return;
        }
        m_isModified = false;
        emit setAsideDone(outcome.path);
        load();
    });
}

void RulesEditor::setFileError(const QString &error)
{
    if (error == m_fileError)
        return;
    m_fileError = error;
    // What was read no longer says what the file does.
    if (!error.isEmpty())
        m_isLoaded = false;
    emit fileErrorChanged();
    if (error.isEmpty() && !m_isModified)
        load();
}
