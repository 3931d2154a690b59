object MainForm: TMainForm
  Left = 212
  Top = 118
  Width = 640
  Height = 452
  Caption = 'Rezeptbuch '#8211' Meine K'#252'che'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  OnCloseQuery = FormCloseQuery
  PixelsPerInch = 96
  TextHeight = 13
  object LabelRecipes: TLabel
    Left = 8
    Top = 8
    Width = 97
    Height = 13
    Caption = '&Gespeicherte Rezepte:'
    FocusControl = ListBoxRecipes
  end
  object ImageLogo: TImage
    Left = 592
    Top = 4
    Width = 32
    Height = 32
    Hint = 'Das Logo der "Kleinen K'#252'che"'
    ShowHint = True
    Stretch = True
    Picture.Data = {
      07544269746D617036030000424D360300000000000036000000280000001000
      000010000000010018000000000000030000130B0000130B0000000000000000
      0000F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0
      F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8
      A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0
      D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0
      F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A02846
      C82846C82846C82846C82846C82846C82846C82846C8F0D8A0F0D8A0F0D8A0F0
      D8A0F0D8A0F0D8A0F0D8A0F0D8A02846C82846C82846C82846C82846C82846C8
      2846C82846C8F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A02846
      C82846C82846C82846C82846C82846C82846C82846C8F0D8A0F0D8A0F0D8A0F0
      D8A0F0D8A0F0D8A0303030F0D8A02846C82846C82846C82846C82846C82846C8
      2846C82846C8F0D8A0303030F0D8A0F0D8A0F0D8A0F0D8A0303030F0D8A02846
      C82846C82846C82846C82846C82846C82846C82846C8F0D8A0303030F0D8A0F0
      D8A0F0D8A0F0D8A0F0D8A0F0D8A02846C82846C82846C82846C82846C82846C8
      2846C82846C8F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A03030303030
      30303030303030303030303030303030303030303030303030F0D8A0F0D8A0F0
      D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0
      F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8
      A0F0D8A0EEEEEEF0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0
      D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0EEEEEE
      F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8
      A0F0D8A0EEEEEEF0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0
      D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0
      F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8
      A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0D8A0F0
      D8A0}
  end
  object ListBoxRecipes: TListBox
    Left = 8
    Top = 24
    Width = 201
    Height = 345
    Hint = 'Doppelklick '#246'ffnet das Rezept'
    ItemHeight = 13
    Items.Strings = (
      'Apfelstrudel'
      'Kartoffelsuppe'
      'K'#228'sesp'#228'tzle'
      'Rote Gr'#252'tze'
      'Omas ''falscher'' Hase')
    ParentShowHint = False
    ShowHint = True
    TabOrder = 0
    OnDblClick = ListBoxRecipesDblClick
  end
  object PanelSearch: TPanel
    Left = 224
    Top = 24
    Width = 393
    Height = 161
    BevelInner = bvRaised
    BevelOuter = bvLowered
    TabOrder = 1
    object LabelSearch: TLabel
      Left = 16
      Top = 16
      Width = 101
      Height = 13
      Caption = 'Rezept &suchen nach:'
    end
    object EditSearch: TEdit
      Left = 16
      Top = 32
      Width = 257
      Height = 21
      TabOrder = 0
      Text = 'z. B. Gem'#252'se'
    end
    object GroupBoxOptions: TGroupBox
      Left = 16
      Top = 64
      Width = 257
      Height = 81
      Caption = ' Optionen '
      TabOrder = 1
      object CheckBoxWholeWord: TCheckBox
        Left = 12
        Top = 20
        Width = 233
        Height = 17
        Caption = 'Nur ganze W'#246'rter'
        TabOrder = 0
      end
      object CheckBoxIngredients: TCheckBox
        Left = 12
        Top = 44
        Width = 233
        Height = 17
        Caption = 'Auch in den Zutaten suchen ("Mehl", "Zucker", ...)'
        Checked = True
        State = cbChecked
        TabOrder = 1
      end
    end
    object ButtonOK: TButton
      Left = 296
      Top = 30
      Width = 81
      Height = 25
      Caption = 'OK'
      Default = True
      TabOrder = 2
      OnClick = ButtonOKClick
    end
    object ButtonCancel: TButton
      Left = 296
      Top = 62
      Width = 81
      Height = 25
      Cancel = True
      Caption = 'Abbrechen'
      TabOrder = 3
      OnClick = ButtonCancelClick
    end
  end
  object MemoNotes: TMemo
    Left = 224
    Top = 200
    Width = 393
    Height = 169
    Lines.Strings = (
      'Notizen zum Rezept'
      'Tipp: Den Teig '#252'ber Nacht ruhen lassen '#8211' das lohnt sich.')
    TabOrder = 2
  end
  inline StatusFrame: TStatusFrame
    Left = 0
    Top = 376
    Width = 632
    Height = 30
    Align = alBottom
    TabOrder = 3
    inherited LabelState: TLabel
      Width = 120
      Caption = 'Bereit f'#252'r das n'#228'chste Rezept'
    end
    inherited ButtonHelp: TButton
      Hint = 'Hilfe zu "Rezeptbuch" anzeigen'
    end
  end
  object MainMenu1: TMainMenu
    Left = 560
    Top = 8
    object Datei1: TMenuItem
      Caption = '&Datei'
      object Neu1: TMenuItem
        Caption = '&Neues Rezept'
        ShortCut = 16462
        OnClick = Neu1Click
      end
      object Oeffnen1: TMenuItem
        Caption = '&'#214'ffnen ...'
        ShortCut = 16463
        OnClick = Oeffnen1Click
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Beenden1: TMenuItem
        Caption = '&Beenden'
        OnClick = Beenden1Click
      end
    end
    object Hilfe1: TMenuItem
      Caption = '&Hilfe'
      object Info1: TMenuItem
        Caption = #220'ber das &Rezeptbuch ...'
        OnClick = Info1Click
      end
    end
  end
end
