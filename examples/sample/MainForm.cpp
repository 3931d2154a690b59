//---------------------------------------------------------------------------
// Rezeptbuch: the main form of a small recipe book.
// Sample unit for VTQX: open it, step through its literals with Find Next,
// extract them and create the resource script.
//---------------------------------------------------------------------------
#include <vcl.h>
#pragma hdrstop

#include "MainForm.h"
//---------------------------------------------------------------------------
#pragma package(smart_init)
#pragma link "StatusFrameUnit"
#pragma resource "*.dfm"
TMainForm *MainForm;
//---------------------------------------------------------------------------
__fastcall TMainForm::TMainForm(TComponent* Owner)
	: TForm(Owner), FModified(false)
{
}
//---------------------------------------------------------------------------
void __fastcall TMainForm::FormCreate(TObject *Sender)
{
	Caption = "Rezeptbuch – Meine Küche";
	StatusFrame->LabelState->Caption = "Bereit";
	// Start with the first recipe selected.
	ListBoxRecipes->ItemIndex = 0;
}
//---------------------------------------------------------------------------
void __fastcall TMainForm::FormCloseQuery(TObject *Sender, bool &CanClose)
{
	if (!FModified)
		return;
	int Answer = Application->MessageBox(
		"Das Rezept wurde geändert.\n\nMöchten Sie die Änderungen speichern?",
		"Rezeptbuch", MB_YESNOCANCEL | MB_ICONQUESTION);
	CanClose = Answer != IDCANCEL;
}
//---------------------------------------------------------------------------
void __fastcall TMainForm::ShowRecipe(const AnsiString &Name)
{
	MemoNotes->Lines->Clear();
	MemoNotes->Lines->Add("Rezept: \"" + Name + "\"");
	MemoNotes->Lines->Add("Zubereitungszeit: ca. 45 Minuten");
	StatusFrame->LabelState->Caption = "Geöffnet: " + Name;
}
//---------------------------------------------------------------------------
void __fastcall TMainForm::ListBoxRecipesDblClick(TObject *Sender)
{
	if (ListBoxRecipes->ItemIndex < 0)
	{
		ShowMessage("Bitte wählen Sie zuerst ein Rezept aus.");
		return;
	}
	ShowRecipe(ListBoxRecipes->Items->Strings[ListBoxRecipes->ItemIndex]);
}
//---------------------------------------------------------------------------
void __fastcall TMainForm::ButtonOKClick(TObject *Sender)
{
	AnsiString Pattern = EditSearch->Text.Trim();
	if (Pattern.IsEmpty())
	{
		ShowMessage("Geben Sie einen Suchbegriff ein, z. B. 'Äpfel' oder \"Grieß\".");
		return;
	}
	int Found = ListBoxRecipes->Items->IndexOf(Pattern);
	if (Found < 0)
		ShowMessage("Kein Rezept zu \"" + Pattern + "\" gefunden.");
	else
		ListBoxRecipes->ItemIndex = Found;
}
//---------------------------------------------------------------------------
void __fastcall TMainForm::ButtonCancelClick(TObject *Sender)
{
	EditSearch->Text = "";
	PanelSearch->Visible = false;
}
//---------------------------------------------------------------------------
void __fastcall TMainForm::Neu1Click(TObject *Sender)
{
	ListBoxRecipes->Items->Add("Neues Rezept");
	FModified = true;
}
//---------------------------------------------------------------------------
void __fastcall TMainForm::Oeffnen1Click(TObject *Sender)
{
	PanelSearch->Visible = true;
	EditSearch->SetFocus();
}
//---------------------------------------------------------------------------
void __fastcall TMainForm::Beenden1Click(TObject *Sender)
{
	Close();
}
//---------------------------------------------------------------------------
void __fastcall TMainForm::Info1Click(TObject *Sender)
{
	char Separator = '"';
	ShowMessage(AnsiString("Rezeptbuch 1.0") + "\n" + Separator + "Gutes Essen hält Leib und Seele zusammen." + Separator);
}
//---------------------------------------------------------------------------
