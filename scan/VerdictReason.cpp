#include "scan/VerdictReason.h"
#include "uitext/ReasonTexts.h"

namespace {
// The reason tables follow the order of the categories and of the hints.
static_assert(int(ReasonText::Declared) - int(ReasonText::Message) == int(UseCategory::Declared) - 1);
static_assert(unsigned(LiteralHint::Adjacent) == 1u << (int(ReasonText::HintAdjacent) - int(ReasonText::HintPreprocessor)));

// How the literal is used, or "" when nothing is known.
QString situation(const LiteralUse &u, Language lang)
{
    const auto t = [&](ReasonText id) { return reasonText(id, lang); };
    if (u.formProperty)
        return t(ReasonText::FormProperty).arg(u.name);
    switch (u.kind) {
    case LiteralContext::Argument: {
        const QString ordinal = u.argument >= 1 && u.argument <= 5
                                    ? t(ReasonText(int(ReasonText::Ordinal1) + u.argument - 1))
                                    : t(ReasonText::OrdinalN).arg(u.argument);
        return t(u.isNew ? ReasonText::ArgumentOfNew : ReasonText::ArgumentOf)
            .arg(ordinal, u.name);
    }
    case LiteralContext::Assigned: return t(ReasonText::AssignedTo).arg(u.name);
    case LiteralContext::Compared: return t(ReasonText::Compared);
    case LiteralContext::Subscript: return t(ReasonText::Subscript);
    case LiteralContext::CaseLabel: return t(ReasonText::CaseLabel);
    case LiteralContext::Initializer:
        return u.name.isEmpty() ? QString() : t(ReasonText::Initializer).arg(u.name);
    case LiteralContext::Return: return t(ReasonText::Returned);
    case LiteralContext::Throw: return t(ReasonText::Thrown);
    case LiteralContext::None: break;
    }
    return {};
}
} // namespace

QString verdictReason(LiteralHints hints, const LiteralUse &use, Language lang)
{
    const LiteralHint h = decidingHint(hints, use);
    if (h != LiteralHint(0)) {
        int bit = 0;
        while ((1u << bit) != unsigned(h))
            ++bit;
        const int id = int(ReasonText::HintPreprocessor) + bit;
        if (id <= int(ReasonText::HintCommentInside))
            return reasonText(ReasonText(id), lang);
        return hintNames(LiteralHints(h)).join(u", "); // a hint without a sentence of its own
    }
    const QString where = situation(use, lang);
    if (use.verdict != UseVerdict::Unknown && use.category != UseCategory::None) {
        const QString what = reasonText(ReasonText(int(ReasonText::Message) + int(use.category) - 1), lang);
        return where.isEmpty() ? what : where + QLatin1String(": ") + what;
    }
    return where.isEmpty() ? reasonText(ReasonText::Nothing, lang) : reasonText(ReasonText::UnknownUse, lang).arg(where);
}
