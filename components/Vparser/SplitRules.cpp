#include "components/Vparser/SplitRules.h"

QStringView stripParentheses(QStringView text, qint64 *steps)
{
    if (text.isEmpty() || text.front() != u'(' || text.back() != u')')
        return text;
    qsizetype depth = 0;
    qsizetype i = 0;
    QStringView result = text.mid(1, text.size() - 2);
    for (; i < text.size(); ++i) {
        if (text[i] == u'(') {
            if (depth == 0 && i != 0) {
                result = text;
                break;
            }
            ++depth;
        } else if (text[i] == u')') {
            --depth;
        }
    }
    if (steps)
        *steps += i;
    return result;
}

SplitScan scanSplit(QStringView text, DepthZeroOps *ops)
{
    SplitScan scan;
    qint64 level = 0;
    bool seenMinus = false, minusRewrites = false;
    // Depth-0 "*" and "/" before the first depth-0 "m".
    bool seenMod = false, slashBeforeMod = false;
    qsizetype lastMulDivBeforeMod = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int test, stored;
        switch (c) {
        case u'(':
            level += 16;
            continue;
        case u')':
            level -= 16;
            continue;
        case u'-':
        case u'+':
            test = 1;
            stored = c == u'-' ? 1 : 2;
            if (level == 0) {
                if (seenMinus)
                    minusRewrites = true;
                else if (c == u'-')
                    seenMinus = true;
                if (ops)
                    ops->addSub.push_back(i);
            }
            break;
        case u'*':
        case u'/':
        case u'm':
            test = stored = 2;
            if (level == 0) {
                if (c == u'm') {
                    seenMod = true;
                } else if (!seenMod) {
                    lastMulDivBeforeMod = i;
                    slashBeforeMod = slashBeforeMod || c == u'/';
                }
                if (ops)
                    ops->runOps.push_back(i);
            }
            break;
        case u'^':
            test = stored = 4;
            break;
        case u'#':
            test = stored = 8;
            break;
        default:
            continue;
        }
        if (scan.pos < 0 || level + test < scan.level) {
            scan.level = level + stored;
            scan.pos = i;
        }
    }
    // The split is a depth-0 "*", "/" or "m" exactly when it stores 2 and is
    // no "+" (only depth 0 gives 2).
    if (slashBeforeMod && scan.level == 2 && text[scan.pos] != u'+') {
        scan.leftToRight = true;
        scan.pos = lastMulDivBeforeMod;
    }
    scan.rewrites = minusRewrites;
    return scan;
}

QString rewriteAssociativity(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *o = out.data();
    qsizetype depth = 0;
    bool seenMinus = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            --depth;
        } else if (depth == 0) {
            if (c == u'-') {
                if (seenMinus)
                    c = u'+';
                seenMinus = true;
            } else if (c == u'+') {
                if (seenMinus)
                    c = u'-';
            }
        }
        o[i] = QChar(c);
    }
    return out;
}
