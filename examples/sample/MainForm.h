//---------------------------------------------------------------------------
// Rezeptbuch: the main form of a small recipe book.
// Sample unit for VTQX.
//---------------------------------------------------------------------------
#ifndef MainFormH
#define MainFormH
//---------------------------------------------------------------------------
#include <Classes.hpp>
#include <Controls.hpp>
#include <StdCtrls.hpp>
#include <ExtCtrls.hpp>
#include <Forms.hpp>
#include <Menus.hpp>
#include "StatusFrameUnit.h"
//---------------------------------------------------------------------------
class TMainForm : public TForm
{
__published:	// IDE-managed Components
	TLabel *LabelRecipes;
	TImage *ImageLogo;
	TListBox *ListBoxRecipes;
	TPanel *PanelSearch;
	TLabel *LabelSearch;
	TEdit *EditSearch;
	TGroupBox *GroupBoxOptions;
	TCheckBox *CheckBoxWholeWord;
	TCheckBox *CheckBoxIngredients;
	TButton *ButtonOK;
	TButton *ButtonCancel;
	TMemo *MemoNotes;
	TStatusFrame *StatusFrame;
	TMainMenu *MainMenu1;
	TMenuItem *Datei1;
	TMenuItem *Neu1;
	TMenuItem *Oeffnen1;
	TMenuItem *N1;
	TMenuItem *Beenden1;
	TMenuItem *Hilfe1;
	TMenuItem *Info1;
	void __fastcall FormCreate(TObject *Sender);
	void __fastcall FormCloseQuery(TObject *Sender, bool &CanClose);
	void __fastcall ListBoxRecipesDblClick(TObject *Sender);
	void __fastcall ButtonOKClick(TObject *Sender);
	void __fastcall ButtonCancelClick(TObject *Sender);
	void __fastcall Neu1Click(TObject *Sender);
	void __fastcall Oeffnen1Click(TObject *Sender);
	void __fastcall Beenden1Click(TObject *Sender);
	void __fastcall Info1Click(TObject *Sender);
private:	// User declarations
	bool FModified;
	AnsiString FFileName;
	void __fastcall ShowRecipe(const AnsiString &Name);
public:		// User declarations
	__fastcall TMainForm(TComponent* Owner);
};
//---------------------------------------------------------------------------
extern PACKAGE TMainForm *MainForm;
//---------------------------------------------------------------------------
#endif
