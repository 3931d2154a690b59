#include "extract/Extract.h"

#include "extract/ExtractionList.h"

namespace Extract {

QString replacement(const QString &name, StringMode mode, bool extractC, const QString &root)
{
    switch (mode) {
    case StringMode::Form:
        return root + QStringLiteral("->") + name;
    case StringMode::Function: {
        const QString call =
            root + QStringLiteral("->LoadTextRC(") + QString::number(ExtractionList::numberOfName(name)) + u')';
        return extractC ? u'(' + call + QStringLiteral(").c_str()") : call;
    }
    case StringMode::Global:
        break;
    }
    return name;
}

} // namespace Extract
