#pragma once
// Why a literal got its verdict, in the user's language:
//   ReadString("S", "K")  -> second argument of `ReadString`: an ini, registry or configuration name
//   Caption = "Open"      -> assigned to `Caption`: a text on screen
//   ShowMessage("")       -> empty
#include "scan/LiteralHints.h"
#include "uitext/LanguageTable.h"

QString verdictReason(LiteralHints hints, const LiteralUse &use, Language lang);
