#include "components/Vhtml/MarkupScan.h"

namespace MarkupScan {

namespace {

bool at(QStringView text, qsizetype pos, QStringView what)
{
    return text.sliced(pos).startsWith(what);
}

// The shared walk of images() and values(). tagEndsValue: a tag opener ends
// a value being collected instead of restarting it.
int tagValues(QStringView h, QStringView tagOpener, QStringView valueOpener, QStringView terminator,
              bool tagEndsValue, const Sink &sink, const PassHook &pass)
{
    int found = 0;
    bool inTag = false;
    bool collecting = false;
    QString current;
    for (qsizetype i = 0; i < h.size(); ++i) {
        if (pass && !pass())
            break;
        if (at(h, i, tagOpener)) {
            if (tagEndsValue)
                collecting = false;
            // Land on the opener's last character; the loop step moves past it.
            i += tagOpener.size() - 1;
            current.clear();
            inTag = true;
        } else if (inTag && at(h, i, valueOpener)) {
            i += valueOpener.size();
            collecting = true;
            current.clear();
        }
        if (!collecting)
            continue;
        if (i >= h.size())
            break;
        if (at(h, i, terminator)) {
            sink(current);
            ++found;
            current.clear();
            collecting = false;
            inTag = false;
            i += terminator.size() - 1;
        } else {
            current += h[i];
        }
    }
    return found;
}

} // namespace

int links(QStringView h, const Sink &sink, const PassHook &pass)
{
    int found = 0;
    bool collecting = false;
    QString current;
    for (qsizetype i = 0; i < h.size(); ++i) {
        if (pass && !pass())
            break;
        if (at(h, i, linkOpener)) {
            i += linkOpener.size();
            collecting = true;
            current.clear();
        }
        if (!collecting)
            continue;
        if (i >= h.size())
            break;
        if (h[i] != quote[0]) {
            current += h[i];
        } else {
            sink(current);
            ++found;
            current.clear();
            collecting = false;
        }
    }
    return found;
}

int images(QStringView h, const Sink &sink, const PassHook &pass)
{
    return tagValues(h, imageTagOpener, imageValueOpener, quote, false, sink, pass);
}

int values(QStringView h, QStringView tagOpener, QStringView valueOpener, QStringView terminator,
           const Sink &sink, const PassHook &pass)
{
    // An empty tag opener would match at every position without moving on.
    if (tagOpener.isEmpty() || valueOpener.isEmpty() || terminator.isEmpty())
        return 0;
    return tagValues(h, tagOpener, valueOpener, terminator, true, sink, pass);
}

} // namespace MarkupScan
