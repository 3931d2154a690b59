#pragma once
// Loading code for the form page's texts: one member function of the form
// that sets each listed property from the string table, through the same
// LoadString call and buffer as Create for USING RC-File on the C++ page.
//
//   // Call LoadFormTextsRC() from the form's constructor or FormCreate.
//   void __fastcall TMainForm::LoadFormTextsRC()
//   {
//    char buff[255];
//      LoadString(HInstance, 40000, buff, sizeof(buff));
//      LabelRecipes->Caption = buff;
//      ...
//   }
//   // In the form's class:  void __fastcall LoadFormTextsRC();
//
// A property path is written below the form (the root object's name and
// "->" left out), so the code reads the form it runs in.
#include "extract/FormIds.h"

#include <QStringList>

namespace FormLoadCode {

// "MainForm->ListBox1->Items->Strings[2]" -> "ListBox1->Items->Strings[2]";
// "MainForm->Caption" -> "Caption".
QString pathBelowRoot(const QString &path);

QStringList lines(const QString &className, const FormIds::Ids &ids);

} // namespace FormLoadCode
