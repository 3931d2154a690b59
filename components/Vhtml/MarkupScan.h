#pragma once
// The list scans of TVHTML as pure functions over a markup text.
//
// A scan walks the markup one position at a time. Openers and terminators
// are compared exactly, letter case included. A value is collected
// character by character and handed to the sink once its terminator is
// seen; a value still open at the end of the markup is dropped. Every
// position is examined, so a value that ends with the markup's last
// character and an opener in the markup's last characters are found too.
#include <QString>
#include <QStringView>

#include <functional>

namespace MarkupScan {

using Sink = std::function<void(const QString &value)>;
// Runs at the start of every pass (the caller pumps messages there);
// returning false ends the scan at once.
using PassHook = std::function<bool()>;

inline const QString linkOpener = QStringLiteral("<A href=\"");
inline const QString imageTagOpener = QStringLiteral("<IMG ");
inline const QString imageValueOpener = QStringLiteral("src=\"");
inline const QString quote = QStringLiteral("\"");

// Each scan returns the number of values handed to the sink.

/* links: linkOpener starts a value (also inside one); '"' ends it */
int links(QStringView markup, const Sink &sink, const PassHook &pass = {});

/* images: imageTagOpener enters a tag (a value being collected goes on,
   restarted); inside a tag imageValueOpener starts a value; '"' ends the
   value and leaves the tag */
int images(QStringView markup, const Sink &sink, const PassHook &pass = {});

/* values: as images with any three texts, except that a tag opener also
   ends a value being collected; the scan resumes right after a terminator.
   An empty opener or terminator matches nowhere useful: nothing is found. */
int values(QStringView markup, QStringView tagOpener, QStringView valueOpener, QStringView terminator,
           const Sink &sink, const PassHook &pass = {});

} // namespace MarkupScan
