// Opening, saving and closing a source unit; editor protection, typing and
// mouse selection.
#include "Unit1.h"

#include "EditorModel.h"
#include "FormDescription.h"
#include "Vreg.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

void TForm1::SpeedButton1Click() {}
void TForm1::ToolButton12Click() {}
void TForm1::SaveAll1Click() {}
void TForm1::SaveCPP1Click() {}
void TForm1::HSpeichern1Click() {}
void TForm1::SaveDFM1Click() {}
void TForm1::Saveas1Click() {}
void TForm1::SavePage(int) {}
void TForm1::LoadPage(int) {}
QString TForm1::ObjectNameOfLine(int n) const { return FormDescription::objectNameOfLine(pageModel(DfmPage).line(n)); }
QString TForm1::ClassNameOfLine(int n) const { return FormDescription::classNameOfLine(pageModel(DfmPage).line(n)); }

void TForm1::FormCloseQuery(bool &CanClose)
{
    CanClose = true;
    StoreOptions();
}

void TForm1::CheckBox1Click()
{
    for (int p = 0; p < 3; ++p)
        pageModel(p).setReadOnly(CheckBox1->isChecked());
}

void TForm1::CheckBox2Click()
{
    ToolButton3->setText(Msg(CheckBox2->isChecked() ? 12 : 13));
}

void TForm1::Memo2KeyPress() {}
void TForm1::Memo3KeyPress() {}
void TForm1::Memo4KeyPress() {}
void TForm1::Memo2MouseUp() {}
void TForm1::Memo3MouseUp() {}
void TForm1::Memo4MouseUp() {}
