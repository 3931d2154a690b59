#include "extract/ExtractStep.h"

#include "platform/core/Exception.h"
#include "extract/Extract.h"
#include "extract/ExtractionList.h"
#include "extract/FormDescription.h"

#include <limits>

namespace Extract {

OwnerSearch::OwnerSearch(std::function<QString(int)> lineAt, std::function<void()> step)
    : m_lineAt(std::move(lineAt)), m_step(std::move(step))
{
}

QString OwnerSearch::ownerOf(int selLine)
{
    // Lines above the last answer's line have been read already: its owner
    // stands for them.
    const bool resume = m_lastLine >= 0 && m_lastLine <= selLine;
    const int stop = resume ? m_lastLine : 0;
    QString owner;
    bool found = false;
    for (int k = selLine; k > stop; --k) {
        if (m_step)
            m_step();
        owner = FormDescription::objectNameOfLine(m_lineAt(k));
        if (!owner.isEmpty()) {
            found = true;
            break;
        }
    }
    if (!found)
        owner = resume ? m_lastOwner : QString();
    m_lastLine = selLine;
    m_lastOwner = owner;
    return owner;
}

QString dfmEntry(const QString &root, const QString &owner, const QString &selectedLine, const QString &found,
                 const std::function<void()> &step)
{
    QStringList parts;
    if (!owner.isEmpty())
        parts << owner;
    parts << FormDescription::propertyParts(selectedLine, step);
    return FormDescription::propertyEntry(FormDescription::propertyPath(root, parts), found);
}

bool repeatsLastEntry(const QString &lastLine, const QString &entry)
{
    return lastLine == entry;
}

int nextCounter(int counter)
{
    if (counter == std::numeric_limits<int>::max())
        throw Exception(QStringLiteral("The resource number %1 cannot be increased").arg(counter));
    return counter + 1;
}

CppStep extractCpp(const CppInput &in, const std::function<EqualChoice(const QString &equalName, int counter)> &ask)
{
    CppStep step;
    const int next = nextCounter(in.counter);
    step.counter = next;
    step.name = ExtractionList::stringName(next);
    if (in.equalName) {
        switch (ask(*in.equalName, next)) {
        case EqualChoice::Reuse:
            step.name = *in.equalName;
            step.reused = true;
            step.counter = in.counter;
            break;
        case EqualChoice::NewEntry:
            break;
        case EqualChoice::Cancel:
            return CppStep{true, QString(), false, in.counter, QString(), QString()};
        }
    }
    step.replacement = replacement(step.name, in.mode, in.extractC, in.root);
    if (!step.reused)
        step.entry = ExtractionList::valueEntry(step.name, in.found, in.mode);
    return step;
}

} // namespace Extract
