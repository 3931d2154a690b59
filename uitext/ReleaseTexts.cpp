#include "uitext/ReleaseTexts.h"

namespace {
constexpr TextRow<ReleaseText> kTexts[] = {
    {ReleaseText::FormStartOption,
     {u"The first string identifier of the form's texts (default 40000); above every C++ identifier, at most 65535.",
      u"Die erste String-ID der Formulartexte (Vorgabe 40000); über jeder C++-ID, höchstens 65535."}},
    {ReleaseText::BadFormStart,
     {u"--form-start %1 is not a number from 1 to %2",
      u"--form-start %1 ist keine Zahl von 1 bis %2"}},
    {ReleaseText::FormMeetsCpp,
     {u"the form's string identifiers would begin at %1, but the C++ page's reach %2 (%3); choose a higher --form-start",
      u"die String-IDs des Formulars begännen bei %1, die der C++-Seite reichen aber bis %2 (%3); "
      u"wählen Sie ein höheres --form-start"}},
    {ReleaseText::CppMeetsForm,
     {u"the C++ page's string identifiers would reach %1, but the form's begin at %2 (%3)",
      u"die String-IDs der C++-Seite reichten bis %1, die des Formulars beginnen aber bei %2 (%3)"}},
    {ReleaseText::FormIdsFull,
     {u"%1: the form's string identifiers would pass %2",
      u"%1: die String-IDs des Formulars gingen über %2 hinaus"}},
    {ReleaseText::TooLong,
     {u"%1: %2 is %3 bytes in code page %4; the loading code holds %5",
      u"%1: %2 hat %3 Bytes in Codepage %4; der Ladecode fasst %5"}},
    {ReleaseText::TooLongAsSource,
     {u"%1: %2 is %3 bytes in code page %4; the loading code holds %5 (the source text is cut too)",
      u"%1: %2 hat %3 Bytes in Codepage %4; der Ladecode fasst %5 (auch der Ausgangstext wird gekürzt)"}},
    {ReleaseText::StrictTooLong,
     {u"%1 texts are longer than the loading code holds (--strict).",
      u"%1 Texte sind länger, als der Ladecode fasst (--strict)."}},
    {ReleaseText::PseudoOption,
     {u"Write a PO file of the pseudo language LANG instead of the template: every text accented, a third longer, "
      u"bracketed.",
      u"Statt der Vorlage eine PO-Datei der Pseudosprache LANG schreiben: jeder Text mit Akzenten, ein Drittel "
      u"länger, geklammert."}},
    {ReleaseText::CheckFitOption,
     {u"Measure each translated text of a fixed-width control with the form's font.",
      u"Jeden übersetzten Text eines Steuerelements fester Breite in der Schrift des Formulars messen."}},
    {ReleaseText::PreviewOption,
     {u"Draw each form in each language as a PNG into DIR.",
      u"Jedes Formular in jeder Sprache als PNG in DIR zeichnen."}},
    {ReleaseText::NeedsWidth,
     {u"%1: %2 needs %3 px, the control is %4 px",
      u"%1: %2 braucht %3 px, das Steuerelement hat %4 px"}},
    {ReleaseText::FontStandIn,
     {u"font %1 is not installed; measured with %2",
      u"Schrift %1 ist nicht installiert; gemessen mit %2"}},
    {ReleaseText::FitFailed,
     {u"%1 texts do not fit their control (--check-fit).",
      u"%1 Texte passen nicht in ihr Steuerelement (--check-fit)."}},
    {ReleaseText::PreviewWritten, {u"wrote %1", u"%1 geschrieben"}},
    {ReleaseText::NeedsGui,
     {u"--check-fit and --preview need fonts, which this run cannot load",
      u"--check-fit und --preview brauchen Schriften, die dieser Lauf nicht laden kann"}},
};
static_assert(complete(kTexts, kLastReleaseText));
} // namespace

QString releaseText(ReleaseText id, Language lang)
{
    return tableText(kTexts, id, lang);
}
