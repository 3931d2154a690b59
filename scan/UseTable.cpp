#include "scan/UseTable.h"

#include <QVarLengthArray>

#include <algorithm>
#include <iterator>

namespace {
constexpr UseVerdict User = UseVerdict::UserText, Never = UseVerdict::NotUserText;
using C = UseCategory;

// ---------------------------------------------------------------------------
// Calls. name: the call, or Object.Call for a member call on that object
// (Items->Add, SQL->Add); a Windows call also matches with its A or W
// ending. args: the 1-based arguments the row speaks of, "*" for every one.
struct CallRow
{
    const char16_t *name;
    const char *args;
    UseVerdict verdict;
    UseCategory category;
};

const CallRow kCalls[] = {
    // messages and dialogs
    {u"ShowMessage", "1", User, C::Message},
    {u"ShowMessageFmt", "1", User, C::Message},
    {u"ShowMessagePos", "1", User, C::Message},
    {u"MessageDlg", "1", User, C::Message},
    {u"MessageDlgPos", "1", User, C::Message},
    {u"MessageDlgPosHelp", "1", User, C::Message},
    {u"CreateMessageDialog", "1", User, C::Message},
    {u"TaskMessageDlg", "1 2", User, C::Message},
    {u"Application.MessageBox", "1 2", User, C::Message},
    {u"MessageBox", "2 3", User, C::Message},
    {u"MessageBoxEx", "2 3", User, C::Message},
    {u"MessageBoxIndirect", "*", User, C::Message},
    {u"AfxMessageBox", "1", User, C::Message},
    {u"InputBox", "1 2", User, C::Message},
    {u"InputQuery", "1 2", User, C::Message},
    {u"PromptForFileName", "3", User, C::Message},
    {u"SelectDirectory", "1", User, C::Message},
    {u"SetWindowText", "2", User, C::Display},
    {u"SetDlgItemText", "3", User, C::Display},
    {u"SetStatusText", "*", User, C::Display},
    {u"SetCaption", "*", User, C::Display},
    {u"SetHint", "*", User, C::Display},
    // lists shown to people
    {u"Items.Add", "1", User, C::ListItem},
    {u"Items.AddObject", "1", User, C::ListItem},
    {u"Items.Insert", "2", User, C::ListItem},
    {u"Items.InsertObject", "2", User, C::ListItem},
    {u"Items.Append", "1", User, C::ListItem},
    {u"Lines.Add", "1", User, C::ListItem},
    {u"Lines.Insert", "2", User, C::ListItem},
    {u"Lines.Append", "1", User, C::ListItem},
    {u"Tabs.Add", "1", User, C::ListItem},
    {u"Tabs.Insert", "2", User, C::ListItem},
    {u"Memo.Add", "1", User, C::ListItem},
    {u"AddItem", "1", User, C::ListItem},
    {u"SubItems.Add", "1", User, C::ListItem},
    // exceptions, whose message reaches a dialog (Exception, EConvertError... by their name too)
    {u"Exception", "1", User, C::Exception},
    {u"Exception.CreateFmt", "1", User, C::Exception},
    {u"Exception.CreateRes", "1", User, C::Exception},
    {u"runtime_error", "1", User, C::Exception},
    {u"logic_error", "1", User, C::Exception},
    {u"invalid_argument", "1", User, C::Exception},
    {u"out_of_range", "1", User, C::Exception},
    {u"domain_error", "1", User, C::Exception},
    {u"range_error", "1", User, C::Exception},
    {u"overflow_error", "1", User, C::Exception},
    {u"Abort", "*", User, C::Exception},

    // ini files, the registry and configuration
    {u"ReadString", "*", Never, C::Settings},
    {u"WriteString", "1 2", Never, C::Settings},
    {u"ReadInteger", "*", Never, C::Settings},
    {u"WriteInteger", "1 2", Never, C::Settings},
    {u"ReadBool", "*", Never, C::Settings},
    {u"WriteBool", "1 2", Never, C::Settings},
    {u"ReadFloat", "*", Never, C::Settings},
    {u"WriteFloat", "1 2", Never, C::Settings},
    {u"ReadDate", "*", Never, C::Settings},
    {u"WriteDate", "1 2", Never, C::Settings},
    {u"ReadTime", "*", Never, C::Settings},
    {u"WriteTime", "1 2", Never, C::Settings},
    {u"ReadDateTime", "*", Never, C::Settings},
    {u"WriteDateTime", "1 2", Never, C::Settings},
    {u"ReadCurrency", "*", Never, C::Settings},
    {u"WriteCurrency", "1 2", Never, C::Settings},
    {u"ReadBinaryData", "1 2", Never, C::Settings},
    {u"WriteBinaryData", "1 2", Never, C::Settings},
    {u"ReadBinaryStream", "1 2", Never, C::Settings},
    {u"WriteBinaryStream", "1 2", Never, C::Settings},
    {u"ReadSection", "1", Never, C::Settings},
    {u"ReadSections", "*", Never, C::Settings},
    {u"ReadSectionValues", "1", Never, C::Settings},
    {u"ReadSubSections", "1", Never, C::Settings},
    {u"EraseSection", "1", Never, C::Settings},
    {u"SectionExists", "1", Never, C::Settings},
    {u"ValueExists", "1 2", Never, C::Settings},
    {u"DeleteKey", "1 2", Never, C::Settings},
    {u"OpenKey", "1", Never, C::Settings},
    {u"OpenKeyReadOnly", "1", Never, C::Settings},
    {u"CreateKey", "1", Never, C::Settings},
    {u"KeyExists", "1", Never, C::Settings},
    {u"DeleteValue", "1", Never, C::Settings},
    {u"GetDataType", "1", Never, C::Settings},
    {u"GetDataSize", "1", Never, C::Settings},
    {u"RenameValue", "1 2", Never, C::Settings},
    {u"MoveKey", "1 2", Never, C::Settings},
    {u"LoadKey", "*", Never, C::Settings},
    {u"SaveKey", "*", Never, C::Settings},
    {u"RegOpenKey", "2", Never, C::Settings},
    {u"RegOpenKeyEx", "2", Never, C::Settings},
    {u"RegCreateKey", "2", Never, C::Settings},
    {u"RegCreateKeyEx", "2", Never, C::Settings},
    {u"RegDeleteKey", "2", Never, C::Settings},
    {u"RegDeleteValue", "2", Never, C::Settings},
    {u"RegQueryValue", "2", Never, C::Settings},
    {u"RegQueryValueEx", "2", Never, C::Settings},
    {u"RegSetValue", "2", Never, C::Settings},
    {u"RegSetValueEx", "2", Never, C::Settings},
    {u"RegGetValue", "2 3", Never, C::Settings},
    {u"GetPrivateProfileString", "1 2 5", Never, C::Settings},
    {u"GetPrivateProfileInt", "*", Never, C::Settings},
    {u"WritePrivateProfileString", "1 2 4", Never, C::Settings},
    {u"GetProfileString", "1 2", Never, C::Settings},
    {u"WriteProfileString", "1 2", Never, C::Settings},
    {u"GetValue", "1", Never, C::Settings},
    {u"SetValue", "1", Never, C::Settings},
    {u"ReadValue", "1", Never, C::Settings},
    {u"WriteValue", "1", Never, C::Settings},
    {u"GetEnvironmentVariable", "1", Never, C::Settings},
    {u"SetEnvironmentVariable", "1", Never, C::Settings},
    {u"getenv", "1", Never, C::Settings},
    {u"_wgetenv", "1", Never, C::Settings},
    {u"putenv", "1", Never, C::Settings},
    {u"IndexOfName", "1", Never, C::Settings},

    // datasets: fields, parameters, SQL
    {u"FieldByName", "*", Never, C::Database},
    {u"FindField", "*", Never, C::Database},
    {u"FieldByNumber", "*", Never, C::Database},
    {u"ParamByName", "*", Never, C::Database},
    {u"FindParam", "*", Never, C::Database},
    {u"CreateParam", "*", Never, C::Database},
    {u"CreateParameter", "*", Never, C::Database},
    {u"Locate", "*", Never, C::Database},
    {u"Lookup", "*", Never, C::Database},
    {u"FindKey", "*", Never, C::Database},
    {u"SetKey", "*", Never, C::Database},
    {u"GetFieldNames", "*", Never, C::Database},
    {u"GetTableNames", "*", Never, C::Database},
    {u"FieldDefs.Add", "*", Never, C::Database},
    {u"IndexDefs.Add", "*", Never, C::Database},
    {u"AddIndex", "*", Never, C::Database},
    {u"DeleteIndex", "*", Never, C::Database},
    {u"SQL.Add", "*", Never, C::Sql},
    {u"SQL.Insert", "*", Never, C::Sql},
    {u"SQL.Append", "*", Never, C::Sql},
    {u"ExecSQL", "*", Never, C::Sql},
    {u"ExecuteDirect", "*", Never, C::Sql},
    {u"ExecDirect", "*", Never, C::Sql},
    {u"Execute", "1", Never, C::Sql},
    {u"OpenSQL", "*", Never, C::Sql},
    {u"sqlite3_exec", "2", Never, C::Sql},
    {u"sqlite3_prepare", "2", Never, C::Sql},
    {u"sqlite3_prepare_v2", "2", Never, C::Sql},

    // files, paths and the shell
    {u"FileExists", "*", Never, C::File},
    {u"DirectoryExists", "*", Never, C::File},
    {u"ForceDirectories", "*", Never, C::File},
    {u"CreateDir", "*", Never, C::File},
    {u"RemoveDir", "*", Never, C::File},
    {u"CreateDirectory", "1", Never, C::File},
    {u"RemoveDirectory", "1", Never, C::File},
    {u"SetCurrentDir", "*", Never, C::File},
    {u"SetCurrentDirectory", "*", Never, C::File},
    {u"ChDir", "*", Never, C::File},
    {u"MkDir", "*", Never, C::File},
    {u"DeleteFile", "*", Never, C::File},
    {u"RenameFile", "*", Never, C::File},
    {u"CopyFile", "1 2", Never, C::File},
    {u"CopyFileEx", "1 2", Never, C::File},
    {u"MoveFile", "1 2", Never, C::File},
    {u"MoveFileEx", "1 2", Never, C::File},
    {u"CreateFile", "1", Never, C::File},
    {u"FileOpen", "1", Never, C::File},
    {u"FileCreate", "1", Never, C::File},
    {u"FileAge", "1", Never, C::File},
    {u"FileGetAttr", "1", Never, C::File},
    {u"FileSetAttr", "1", Never, C::File},
    {u"GetFileAttributes", "1", Never, C::File},
    {u"SetFileAttributes", "1", Never, C::File},
    {u"FindFirst", "1", Never, C::File},
    {u"FindFirstFile", "1", Never, C::File},
    {u"FileSearch", "*", Never, C::File},
    {u"LoadFromFile", "*", Never, C::File},
    {u"SaveToFile", "*", Never, C::File},
    {u"LoadFromStream", "*", Never, C::File},
    {u"AssignFile", "2", Never, C::File},
    {u"fopen", "*", Never, C::File},
    {u"_wfopen", "*", Never, C::File},
    {u"_fsopen", "*", Never, C::File},
    {u"freopen", "*", Never, C::File},
    {u"open", "1", Never, C::File},
    {u"_open", "1", Never, C::File},
    {u"remove", "1", Never, C::File},
    {u"rename", "*", Never, C::File},
    {u"unlink", "1", Never, C::File},
    {u"_unlink", "1", Never, C::File},
    {u"access", "1", Never, C::File},
    {u"_access", "1", Never, C::File},
    {u"stat", "1", Never, C::File},
    {u"mkdir", "1", Never, C::File},
    {u"_mkdir", "1", Never, C::File},
    {u"chdir", "1", Never, C::File},
    {u"ifstream", "1", Never, C::File},
    {u"ofstream", "1", Never, C::File},
    {u"fstream", "1", Never, C::File},
    {u"TFileStream", "1", Never, C::File},
    {u"TIniFile", "1", Never, C::File},
    {u"TMemIniFile", "1", Never, C::File},
    {u"TRegistryIniFile", "1", Never, C::File},
    {u"ExtractFilePath", "*", Never, C::File},
    {u"ExtractFileDir", "*", Never, C::File},
    {u"ExtractFileName", "*", Never, C::File},
    {u"ExtractFileExt", "*", Never, C::File},
    {u"ExtractFileDrive", "*", Never, C::File},
    {u"ExtractRelativePath", "*", Never, C::File},
    {u"ExpandFileName", "*", Never, C::File},
    {u"ExpandUNCFileName", "*", Never, C::File},
    {u"ChangeFileExt", "*", Never, C::File},
    {u"ChangeFilePath", "*", Never, C::File},
    {u"IncludeTrailingPathDelimiter", "*", Never, C::File},
    {u"IncludeTrailingBackslash", "*", Never, C::File},
    {u"ExcludeTrailingPathDelimiter", "*", Never, C::File},
    {u"ExcludeTrailingBackslash", "*", Never, C::File},
    {u"TPath.Combine", "*", Never, C::File},
    {u"Combine", "*", Never, C::File},
    {u"PathAppend", "2", Never, C::File},
    {u"PathCombine", "*", Never, C::File},
    {u"MatchesMask", "2", Never, C::File},
    {u"HelpJump", "*", Never, C::File},
    {u"HelpKeyword", "*", Never, C::File},
    {u"HelpCommand", "*", Never, C::File},
    {u"WinHelp", "2", Never, C::File},
    {u"HtmlHelp", "2", Never, C::File},
    {u"ShellExecute", "2 3 4 5", Never, C::Shell},
    {u"ShellExecuteEx", "*", Never, C::Shell},
    {u"WinExec", "*", Never, C::Shell},
    {u"CreateProcess", "1 2 8", Never, C::Shell},
    {u"system", "1", Never, C::Shell},
    {u"_wsystem", "1", Never, C::Shell},
    {u"popen", "*", Never, C::Shell},
    {u"_popen", "*", Never, C::Shell},
    {u"spawnl", "*", Never, C::Shell},
    {u"spawnlp", "*", Never, C::Shell},
    {u"execl", "*", Never, C::Shell},
    {u"execlp", "*", Never, C::Shell},
    {u"FindCmdLineSwitch", "*", Never, C::Shell},

    // dynamic loading
    {u"LoadLibrary", "1", Never, C::Library},
    {u"LoadLibraryEx", "1", Never, C::Library},
    {u"LoadPackage", "1", Never, C::Library},
    {u"GetModuleHandle", "1", Never, C::Library},
    {u"GetProcAddress", "2", Never, C::Library},
    {u"SafeLoadLibrary", "1", Never, C::Library},
    {u"dlopen", "1", Never, C::Library},
    {u"dlsym", "2", Never, C::Library},
    {u"CreateOleObject", "1", Never, C::Library},
    {u"GetActiveOleObject", "1", Never, C::Library},
    {u"CoCreateInstance", "*", Never, C::Library},
    {u"CLSIDFromProgID", "1", Never, C::Library},
    {u"OleFunction", "1", Never, C::Library},
    {u"OleProcedure", "1", Never, C::Library},
    {u"OlePropertyGet", "1", Never, C::Library},
    {u"OlePropertySet", "1", Never, C::Library},
    {u"Exec", "1", Never, C::Library},

    // components, classes, resources, windows
    {u"FindComponent", "*", Never, C::Component},
    {u"FindChildControl", "*", Never, C::Component},
    {u"FindClass", "*", Never, C::Component},
    {u"GetClass", "*", Never, C::Component},
    {u"RegisterClass", "*", Never, C::Component},
    {u"MethodAddress", "*", Never, C::Component},
    {u"GetPropInfo", "2", Never, C::Component},
    {u"GetPropValue", "2", Never, C::Component},
    {u"SetPropValue", "2", Never, C::Component},
    {u"GetStrProp", "2", Never, C::Component},
    {u"SetStrProp", "2", Never, C::Component},
    {u"GetOrdProp", "2", Never, C::Component},
    {u"SetOrdProp", "2", Never, C::Component},
    {u"IsPublishedProp", "2", Never, C::Component},
    {u"PropIsType", "2", Never, C::Component},
    {u"LoadFromResourceName", "*", Never, C::Component},
    {u"LoadFromResourceID", "*", Never, C::Component},
    {u"TResourceStream", "2 3", Never, C::Component},
    {u"FindResource", "2 3", Never, C::Component},
    {u"FindResourceEx", "2 3", Never, C::Component},
    {u"LoadBitmap", "2", Never, C::Component},
    {u"LoadIcon", "2", Never, C::Component},
    {u"LoadCursor", "2", Never, C::Component},
    {u"LoadImage", "2", Never, C::Component},
    {u"LoadMenu", "2", Never, C::Component},
    {u"PlaySound", "1", Never, C::Component},
    {u"sndPlaySound", "1", Never, C::Component},
    {u"FindWindow", "*", Never, C::Component},
    {u"FindWindowEx", "3 4", Never, C::Component},
    {u"RegisterWindowMessage", "*", Never, C::Component},
    {u"RegisterClipboardFormat", "*", Never, C::Component},
    {u"CreateMutex", "3", Never, C::Component},
    {u"OpenMutex", "3", Never, C::Component},
    {u"CreateEvent", "4", Never, C::Component},
    {u"OpenEvent", "3", Never, C::Component},
    {u"CreateSemaphore", "4", Never, C::Component},
    {u"CreateFileMapping", "6", Never, C::Component},
    {u"OpenFileMapping", "3", Never, C::Component},
    {u"CreateWindow", "1", Never, C::Component},
    {u"CreateWindowEx", "2", Never, C::Component},
    {u"SendMessage", "*", Never, C::Component},
    {u"PostMessage", "*", Never, C::Component},
    {u"Perform", "*", Never, C::Component},
    {u"CreateFont", "14", Never, C::Component},

    // debug output and logging
    {u"OutputDebugString", "*", Never, C::Debug},
    {u"Trace", "*", Never, C::Debug},
    {u"TRACE", "*", Never, C::Debug},
    {u"ATLTRACE", "*", Never, C::Debug},
    {u"DbgPrint", "*", Never, C::Debug},
    {u"DebugLog", "*", Never, C::Debug},
    {u"LogDebug", "*", Never, C::Debug},
    {u"qDebug", "*", Never, C::Debug},
    {u"fprintf", "*", Never, C::Debug},
    {u"fwprintf", "*", Never, C::Debug},
    {u"fputs", "*", Never, C::Debug},
    {u"puts", "*", Never, C::Debug},
    {u"perror", "*", Never, C::Debug},
    {u"assert", "*", Never, C::Debug},
    {u"_ASSERT", "*", Never, C::Debug},
    {u"_ASSERTE", "*", Never, C::Debug},
    {u"Assert", "*", Never, C::Debug},

    // comparisons and searches
    {u"Pos", "*", Never, C::Comparison},
    {u"AnsiPos", "*", Never, C::Comparison},
    {u"PosEx", "*", Never, C::Comparison},
    {u"LastDelimiter", "*", Never, C::Comparison},
    {u"IsDelimiter", "*", Never, C::Comparison},
    {u"strcmp", "*", Never, C::Comparison},
    {u"strncmp", "*", Never, C::Comparison},
    {u"stricmp", "*", Never, C::Comparison},
    {u"_stricmp", "*", Never, C::Comparison},
    {u"strcmpi", "*", Never, C::Comparison},
    {u"strnicmp", "*", Never, C::Comparison},
    {u"_strnicmp", "*", Never, C::Comparison},
    {u"strcasecmp", "*", Never, C::Comparison},
    {u"wcscmp", "*", Never, C::Comparison},
    {u"wcsicmp", "*", Never, C::Comparison},
    {u"_wcsicmp", "*", Never, C::Comparison},
    {u"wcsncmp", "*", Never, C::Comparison},
    {u"_tcscmp", "*", Never, C::Comparison},
    {u"_tcsicmp", "*", Never, C::Comparison},
    {u"lstrcmp", "*", Never, C::Comparison},
    {u"lstrcmpi", "*", Never, C::Comparison},
    {u"CompareString", "*", Never, C::Comparison},
    {u"strstr", "*", Never, C::Comparison},
    {u"wcsstr", "*", Never, C::Comparison},
    {u"_tcsstr", "*", Never, C::Comparison},
    {u"strchr", "*", Never, C::Comparison},
    {u"strpbrk", "*", Never, C::Comparison},
    {u"strspn", "*", Never, C::Comparison},
    {u"strcspn", "*", Never, C::Comparison},
    {u"StrPos", "*", Never, C::Comparison},
    {u"StrComp", "*", Never, C::Comparison},
    {u"StrIComp", "*", Never, C::Comparison},
    {u"StrLComp", "*", Never, C::Comparison},
    {u"StrLIComp", "*", Never, C::Comparison},
    {u"CompareStr", "*", Never, C::Comparison},
    {u"CompareText", "*", Never, C::Comparison},
    {u"AnsiCompareStr", "*", Never, C::Comparison},
    {u"AnsiCompareText", "*", Never, C::Comparison},
    {u"AnsiCompareFileName", "*", Never, C::Comparison},
    {u"SameText", "*", Never, C::Comparison},
    {u"SameStr", "*", Never, C::Comparison},
    {u"AnsiSameText", "*", Never, C::Comparison},
    {u"AnsiSameStr", "*", Never, C::Comparison},
    {u"SameFileName", "*", Never, C::Comparison},
    {u"StartsText", "*", Never, C::Comparison},
    {u"StartsStr", "*", Never, C::Comparison},
    {u"EndsText", "*", Never, C::Comparison},
    {u"EndsStr", "*", Never, C::Comparison},
    {u"ContainsText", "*", Never, C::Comparison},
    {u"ContainsStr", "*", Never, C::Comparison},
    {u"AnsiStartsText", "*", Never, C::Comparison},
    {u"AnsiStartsStr", "*", Never, C::Comparison},
    {u"AnsiEndsText", "*", Never, C::Comparison},
    {u"AnsiEndsStr", "*", Never, C::Comparison},
    {u"AnsiContainsText", "*", Never, C::Comparison},
    {u"AnsiContainsStr", "*", Never, C::Comparison},
    {u"AnsiMatchText", "*", Never, C::Comparison},
    {u"AnsiMatchStr", "*", Never, C::Comparison},
    {u"MatchText", "*", Never, C::Comparison},
    {u"MatchStr", "*", Never, C::Comparison},
    {u"AnsiIndexText", "*", Never, C::Comparison},
    {u"AnsiIndexStr", "*", Never, C::Comparison},
    {u"IndexText", "*", Never, C::Comparison},
    {u"IndexStr", "*", Never, C::Comparison},
    {u"StringReplace", "2", Never, C::Comparison},
    {u"AnsiReplaceStr", "2", Never, C::Comparison},
    {u"AnsiReplaceText", "2", Never, C::Comparison},
    {u"ReplaceStr", "2", Never, C::Comparison},
    {u"ReplaceText", "2", Never, C::Comparison},
    {u"find", "*", Never, C::Comparison},
    {u"rfind", "*", Never, C::Comparison},
    {u"find_first_of", "*", Never, C::Comparison},
    {u"find_last_of", "*", Never, C::Comparison},
    {u"find_first_not_of", "*", Never, C::Comparison},
    {u"find_last_not_of", "*", Never, C::Comparison},
    {u"compare", "*", Never, C::Comparison},
    {u"Compare", "*", Never, C::Comparison},
    {u"CompareIC", "*", Never, C::Comparison},
    {u"AnsiCompare", "*", Never, C::Comparison},
    {u"AnsiCompareIC", "*", Never, C::Comparison},
    {u"IndexOf", "*", Never, C::Comparison},
    {u"LastIndexOf", "*", Never, C::Comparison},
    {u"Contains", "*", Never, C::Comparison},
    {u"StartsWith", "*", Never, C::Comparison},
    {u"EndsWith", "*", Never, C::Comparison},
    {u"IsDelimiter", "*", Never, C::Comparison},
    {u"starts_with", "*", Never, C::Comparison},
    {u"ends_with", "*", Never, C::Comparison},
    {u"regex", "*", Never, C::Comparison},
    {u"ExecRegExpr", "1", Never, C::Comparison},

    // patterns
    {u"FormatDateTime", "1", Never, C::Pattern},
    {u"DateTimeToString", "2", Never, C::Pattern},
    {u"FormatFloat", "1", Never, C::Pattern},
    {u"FormatCurr", "1", Never, C::Pattern},
    {u"strftime", "3", Never, C::Pattern},
    {u"sscanf", "2", Never, C::Pattern},
    {u"scanf", "1", Never, C::Pattern},
    {u"strtok", "2", Never, C::Pattern},
    {u"SplitString", "2", Never, C::Pattern},
    {u"Split", "*", Never, C::Pattern},
    {u"ExtractStrings", "*", Never, C::Pattern},
    {u"setlocale", "*", Never, C::Pattern},
    {u"locale", "*", Never, C::Pattern},
};

// Calls whose argument hands the literal on to what their result is used
// for (argument 0: every one).
struct PassRow
{
    const char16_t *name;
    int argument;
};
const PassRow kPassThrough[] = {
    {u"_T", 0},          {u"TEXT", 0},          {u"_TEXT", 0},     {u"__T", 0},        {u"_TXT", 0},
    {u"String", 0},      {u"AnsiString", 0},    {u"UnicodeString", 0}, {u"WideString", 0}, {u"UTF8String", 0},
    {u"RawByteString", 0}, {u"string", 0},      {u"wstring", 0},   {u"QString", 0},    {u"CString", 0},
    {u"Format", 1},      {u"FmtStr", 1},        {u"WideFormat", 1}, {u"FormatW", 1},   {u"FORMAT", 1},
    {u"WString", 0}, {u"Trim", 0},      {u"TrimLeft", 0},
    {u"TrimRight", 0},   {u"UpperCase", 0},     {u"LowerCase", 0}, {u"AnsiUpperCase", 0}, {u"AnsiLowerCase", 0},
    {u"c_str", 0},       {u"StringOfChar", 0},  {u"QuotedStr", 0}, {u"AnsiQuotedStr", 1},
};

// ---------------------------------------------------------------------------
// Properties and variables that a literal is assigned to. name: exact,
// "Name*" a beginning (case-insensitive), or Object.Name for a property of
// that object (SQL->Text). Names not found here are read word by word
// (kNameWords).
struct PropertyRow
{
    const char16_t *name;
    UseVerdict verdict;
    UseCategory category;
};

const PropertyRow kProperties[] = {
    // shown to people
    {u"Caption", User, C::Display},
    {u"Hint", User, C::Display},
    {u"Text", User, C::Display},
    {u"Title", User, C::Display},
    {u"SimpleText", User, C::Display},
    {u"DisplayLabel", User, C::Display},
    {u"DisplayText", User, C::Display},
    {u"TextHint", User, C::Display},
    {u"ButtonHint", User, C::Display},
    {u"BalloonHint", User, C::Display},
    {u"BalloonTitle", User, C::Display},
    {u"Description", User, C::Display},
    {u"Prompt", User, C::Display},
    {u"Heading", User, C::Display},
    {u"Header", User, C::Display},
    {u"Footer", User, C::Display},
    {u"Items", User, C::ListItem},
    {u"Lines", User, C::ListItem},
    {u"Tabs", User, C::ListItem},
    {u"Strings", User, C::ListItem},
    {u"Cells", User, C::ListItem},
    {u"Panels", User, C::ListItem},
    {u"Filter", User, C::Filter},
    // never shown
    {u"SQL", Never, C::Sql},
    {u"SQL.Text", Never, C::Sql},
    {u"SQL.Strings", Never, C::Sql},
    {u"CommandText", Never, C::Sql},
    {u"ConnectionString", Never, C::Database},
    {u"Params", Never, C::Database},
    {u"Origin", Never, C::Database},
    {u"IndexFieldNames", Never, C::Database},
    {u"MasterFields", Never, C::Database},
    {u"KeyFields", Never, C::Database},
    {u"LookupKeyFields", Never, C::Database},
    {u"LookupResultField", Never, C::Database},
    {u"Values", Never, C::Settings},
    {u"Names", Never, C::Settings},
    {u"Category", Never, C::Component},
    {u"CollectionName", Never, C::Component},
    {u"DefaultExt", Never, C::File},
    {u"InitialDir", Never, C::File},
    {u"PasswordChar", Never, C::Pattern},
    {u"EditMask", Never, C::Pattern},
    {u"DisplayFormat", Never, C::Pattern},
    {u"EditFormat", Never, C::Pattern},
    {u"DateFormat", Never, C::Pattern},
    {u"TimeFormat", Never, C::Pattern},
    {u"ShortDateFormat", Never, C::Pattern},
    {u"LongDateFormat", Never, C::Pattern},
    {u"Delimiter", Never, C::Pattern},
    {u"QuoteChar", Never, C::Pattern},
    {u"DelimitedText", Never, C::Pattern},
    {u"CommaText", Never, C::Pattern},
    {u"NameValueSeparator", Never, C::Pattern},
    {u"ValueChecked", Never, C::Database},
    {u"AsString", Never, C::Database},
    {u"AsWideString", Never, C::Database},
    {u"AsVariant", Never, C::Database},
    {u"Value", Never, C::Database},
    {u"ValueUnchecked", Never, C::Database},
    {u"DisabledSuffix", Never, C::Component},
    {u"Help*", Never, C::File},
};

// Words of names (split at case changes, digits and underscores, compared
// ignoring case): what a call, variable or table named with them holds.
// A never word outweighs a user word: errorFile, titleKey.
struct WordRow
{
    const char16_t *word;
    UseVerdict verdict;
    UseCategory category;
};
const WordRow kNameWords[] = {
    {u"name", Never, C::Component},    {u"names", Never, C::Component},  {u"nom", Never, C::Component},
    {u"field", Never, C::Database},    {u"fields", Never, C::Database},  {u"table", Never, C::Database},
    {u"column", Never, C::Database},   {u"param", Never, C::Database},   {u"params", Never, C::Database},
    {u"id", Never, C::Database},       {u"sql", Never, C::Sql},          {u"query", Never, C::Sql},
    {u"file", Never, C::File},         {u"files", Never, C::File},       {u"filename", Never, C::File},
    {u"path", Never, C::File},         {u"dir", Never, C::File},         {u"directory", Never, C::File},
    {u"folder", Never, C::File},       {u"ext", Never, C::File},         {u"extension", Never, C::File},
    {u"url", Never, C::File},          {u"uri", Never, C::File},         {u"key", Never, C::Settings},
    {u"keys", Never, C::Settings},     {u"section", Never, C::Settings}, {u"ini", Never, C::Settings},
    {u"reg", Never, C::Settings},      {u"registry", Never, C::Settings}, {u"config", Never, C::Settings},
    {u"configuration", Never, C::Settings}, {u"settings", Never, C::Settings}, {u"usage", Never, C::Settings},
    {u"counter", Never, C::Settings},  {u"password", Never, C::Settings}, {u"cmd", Never, C::Shell},
    {u"command", Never, C::Shell},     {u"class", Never, C::Component},  {u"mask", Never, C::Pattern},
    {u"regex", Never, C::Pattern},     {u"log", Never, C::Debug},        {u"logger", Never, C::Debug},
    {u"debug", Never, C::Debug},       {u"trace", Never, C::Debug},
    {u"caption", User, C::Display},    {u"title", User, C::Display},     {u"titre", User, C::Display},
    {u"hint", User, C::Display},       {u"tip", User, C::Display},       {u"label", User, C::Display},
    {u"header", User, C::Display},     {u"heading", User, C::Display},   {u"status", User, C::Display},
    {u"stat", User, C::Display},       {u"info", User, C::Message},      {u"msg", User, C::Message},
    {u"message", User, C::Message},    {u"prompt", User, C::Message},    {u"question", User, C::Message},
    {u"qst", User, C::Message},        {u"warning", User, C::Message},   {u"warn", User, C::Message},
    {u"err", User, C::Message},        {u"error", User, C::Message},     {u"confirm", User, C::Message},
    {u"notify", User, C::Message},     {u"alert", User, C::Message},
};

// The words of an identifier: asMsgErr -> as Msg Err, CONFIG_ID -> CONFIG ID,
// m_sCmdLineInfo -> m s Cmd Line Info.
template <typename F>
void forEachWord(QStringView name, F &&f)
{
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) {
        if (end > start)
            f(name.sliced(start, end - start));
        start = end;
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (!c.isLetter()) {
            flush(i);
            start = i + 1;
        } else if (i > start && c.isUpper() &&
                   (name[i - 1].isLower() || (i + 1 < name.size() && name[i + 1].isLower()))) {
            flush(i);
        }
    }
    flush(name.size());
}

// What the words of name say, never words first; Unknown when none speaks.
UseVerdict wordVerdict(QStringView name, UseCategory *category)
{
    const WordRow *never = nullptr, *user = nullptr;
    forEachWord(name, [&](QStringView w) {
        for (const WordRow &r : kNameWords) {
            const WordRow *&first = r.verdict == Never ? never : user;
            if (!first && w.compare(QStringView(r.word), Qt::CaseInsensitive) == 0)
                first = &r;
        }
    });
    const WordRow *r = never ? never : user;
    *category = r ? r->category : C::None;
    return r ? r->verdict : UseVerdict::Unknown;
}

// A call that looks a text up in the program's own translations: tr, TRL,
// TRLFormat, translate, Localize... Its argument is a key, never extracted again.
bool isTranslationCall(QStringView name)
{
    if (name.compare(u"tr", Qt::CaseInsensitive) == 0 || name.startsWith(u"TRL") || name.startsWith(u"Trl"))
        return true;
    return name.contains(u"translat", Qt::CaseInsensitive) || name.contains(u"locali", Qt::CaseInsensitive) ||
           name.contains(u"i18n", Qt::CaseInsensitive);
}

// The exception classes of the class library by their names: EConvertError,
// EDatabaseError, ESocketException...
bool isExceptionClass(QStringView name)
{
    if (name.endsWith(u"Exception"))
        return true;
    return name.size() > 2 && name[0] == u'E' && name[1].isUpper() &&
           (name.endsWith(u"Error") || name == u"EAbort");
}

struct Tables
{
    struct Call
    {
        unsigned args; // bit n: argument n; every bit for "*"
        UseVerdict verdict;
        UseCategory category;
    };
    // Keys are views of the tables' own names: looked up without a copy.
    QHash<QStringView, std::vector<Call>> calls;
    QHash<QStringView, int> passThrough; // argument, 0 every
    QHash<QStringView, const PropertyRow *> exact;
    std::vector<const PropertyRow *> patterns;

    Tables()
    {
        for (const CallRow &r : kCalls) {
            unsigned args = 0;
            if (QLatin1String(r.args) == QLatin1String("*"))
                args = ~0u;
            for (const QString &n : QString::fromLatin1(r.args).split(u' ', Qt::SkipEmptyParts))
                if (n != u"*")
                    args |= 1u << n.toInt();
            calls[QStringView(r.name)].push_back({args, r.verdict, r.category});
        }
        for (const PassRow &r : kPassThrough)
            passThrough.insert(QStringView(r.name), r.argument);
        for (const PropertyRow &r : kProperties) {
            const QStringView n(r.name);
            if (n.endsWith(u'*'))
                patterns.push_back(&r);
            else
                exact.insert(n, &r);
        }
    }
    const Call *call(QStringView name, int argument) const
    {
        const auto it = calls.constFind(name);
        if (it == calls.cend())
            return nullptr;
        for (const Call &c : *it)
            if (argument < 32 && (c.args & (1u << argument)))
                return &c;
        return nullptr;
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

// Object.Name built on the stack.
class Dotted
{
public:
    Dotted(QStringView object, QStringView name)
    {
        m_text.append(object.utf16(), object.size());
        m_text.append(u'.');
        m_text.append(name.utf16(), name.size());
    }
    QStringView view() const { return QStringView(m_text.constData(), m_text.size()); }

private:
    QVarLengthArray<char16_t, 64> m_text;
};

// Table rows by the call's names: Object.Name first, then Name, then Name
// without a Windows A or W ending.
const Tables::Call *findCall(QStringView name, QStringView object, int argument)
{
    const Tables &t = tables();
    if (!object.isEmpty())
        if (const auto *c = t.call(Dotted(object, name).view(), argument))
            return c;
    if (const auto *c = t.call(name, argument))
        return c;
    if (name.size() > 3 && (name.endsWith(u'A') || name.endsWith(u'W')) && name[name.size() - 2].isLower())
        return t.call(name.chopped(1), argument);
    return nullptr;
}

struct Known
{
    UseVerdict verdict = UseVerdict::Unknown;
    UseCategory category = C::None;
};

// A property's or variable's row: Object.Name, Name, a beginning, then its words.
Known findProperty(QStringView name, QStringView object)
{
    const Tables &t = tables();
    const auto exact = [&](QStringView key) {
        const auto it = t.exact.constFind(key);
        return it == t.exact.cend() ? Known() : Known{(*it)->verdict, (*it)->category};
    };
    if (!object.isEmpty())
        if (const Known k = exact(Dotted(object, name).view()); k.verdict != UseVerdict::Unknown)
            return k;
    if (const Known k = exact(name); k.verdict != UseVerdict::Unknown)
        return k;
    for (const PropertyRow *r : t.patterns)
        if (name.startsWith(QStringView(r->name).chopped(1), Qt::CaseInsensitive))
            return {r->verdict, r->category};
    Known k;
    k.verdict = wordVerdict(name, &k.category);
    return k;
}

LiteralUse useOf(const LiteralContext &c, QStringView page)
{
    LiteralUse u;
    u.kind = c.kind;
    u.argument = c.argument;
    u.isNew = c.isNew;
    if (c.nameLength > 0)
        u.name = page.sliced(c.name, c.nameLength).toString();
    return u;
}
} // namespace

bool UseTable::passesThrough(QStringView call, int argument)
{
    const auto &p = tables().passThrough;
    const auto it = p.constFind(call);
    return it != p.cend() && (*it == 0 || *it == argument);
}

UseVerdict UseTable::propertyVerdict(QStringView name, UseCategory *category)
{
    const Known k = findProperty(name, {});
    if (category)
        *category = k.category;
    return k.verdict;
}

bool UseTable::namesSettings(QStringView identifier)
{
    if (identifier.size() > 32)
        return false;
    // Only where a word starts: i(ni), r(eg...), c(onfig...), s(ettings).
    bool found = false;
    forEachWord(identifier, [&](QStringView w) {
        const char16_t first = w.front().toLower().unicode();
        if (found || (first != u'i' && first != u'r' && first != u'c' && first != u's'))
            return;
        for (const char16_t *s : {u"ini", u"reg", u"registry", u"config", u"configuration", u"settings"})
            found = found || w.compare(QStringView(s), Qt::CaseInsensitive) == 0;
    });
    return found;
}

const UseRules &UseRules::standard()
{
    static const UseRules rules;
    return rules;
}

UseRules::UseRules() = default;

void UseRules::addCall(const QString &name, int argument, UseVerdict verdict)
{
    m_calls[name].push_back({argument, verdict});
}

void UseRules::addProperty(const QString &name, UseVerdict verdict)
{
    m_properties.insert(name, verdict);
}

LiteralUse UseRules::judge(const LiteralContext &c, QStringView page) const
{
    LiteralUse u;
    switch (c.kind) {
    case LiteralContext::Argument: {
        const QStringView name = page.sliced(c.name, c.nameLength);
        const QStringView object = page.sliced(c.object, c.objectLength);
        u = useOf(c, page);
        if (!m_calls.isEmpty()) {
            const auto it = m_calls.constFind(u.name);
            if (it != m_calls.cend())
                for (const Row &r : *it)
                    if (r.argument == 0 || r.argument == c.argument) {
                        u.verdict = r.verdict;
                        u.category = UseCategory::Declared;
                        u.declared = true;
                        return u;
                    }
        }
        if (const auto *row = findCall(name, object, c.argument)) {
            u.verdict = row->verdict;
            u.category = row->category;
        } else if (c.argument == 1 && isExceptionClass(name)) {
            u.verdict = User;
            u.category = C::Exception;
        } else if (isTranslationCall(name)) {
            u.verdict = Never;
            u.category = C::Lookup;
        } else if (c.settingsArgument) {
            u.verdict = Never; // ReadList(ini, "Section", "Key")
            u.category = C::Settings;
        } else {
            // The object's words first (Config->Usage->Inc("Key")), then the call's.
            UseCategory category = C::None;
            UseVerdict v = object.isEmpty() ? UseVerdict::Unknown : wordVerdict(object, &category);
            if (v != Never)
                v = wordVerdict(name, &category);
            u.verdict = v;
            u.category = category;
        }
        return u;
    }
    case LiteralContext::Assigned: {
        u = useOf(c, page);
        const auto it = m_properties.constFind(u.name);
        if (it != m_properties.cend()) {
            u.verdict = *it;
            u.category = UseCategory::Declared;
            u.declared = true;
            return u;
        }
        const Known k = findProperty(u.name, page.sliced(c.object, c.objectLength));
        u.verdict = k.verdict;
        u.category = k.category;
        return u;
    }
    case LiteralContext::Compared:
        u = useOf(c, page);
        u.verdict = Never;
        u.category = C::Comparison;
        return u;
    case LiteralContext::Subscript:
    case LiteralContext::CaseLabel:
        u = useOf(c, page);
        u.verdict = Never;
        u.category = C::Lookup;
        return u;
    case LiteralContext::Throw:
        u = useOf(c, page);
        u.verdict = User;
        u.category = C::Exception;
        return u;
    case LiteralContext::Initializer:
        u = useOf(c, page);
        u.verdict = wordVerdict(u.name, &u.category);
        return u;
    case LiteralContext::Return:
        return useOf(c, page);
    case LiteralContext::None:
        break;
    }
    return u;
}

LiteralUse UseRules::judgeProperty(const QStringList &path, QStringView value, QStringView rootName) const
{
    LiteralUse u;
    u.formProperty = true;
    if (path.isEmpty())
        return u;
    // The property's own name: the last part, or for a list the part it belongs to.
    qsizetype last = path.size() - 1;
    const auto partAt = [&](qsizetype i) { return QStringView(path[i]).left(path[i].indexOf(u'[') < 0 ? path[i].size() : path[i].indexOf(u'[')); };
    if (last > 0 && partAt(last) == u"Strings")
        --last;
    const QStringView name = partAt(last);
    u.name = name.toString();
    const QStringView object = last > 0 ? partAt(last - 1) : QStringView();
    const auto declared = m_properties.constFind(u.name);
    if (declared != m_properties.cend()) {
        u.verdict = *declared;
        u.category = UseCategory::Declared;
        u.declared = true;
        return u;
    }
    const Known k = findProperty(name, object);
    if (k.verdict != User) {
        u.verdict = Never;
        u.category = k.verdict == Never ? k.category : C::Property;
        return u;
    }
    u.verdict = User;
    u.category = k.category;
    if (k.category == C::Filter && !value.contains(u'|')) {
        u.verdict = Never; // a dataset's filter, no file dialog's
        u.category = C::Database;
    } else if (k.category == C::Display && !value.isEmpty() &&
               value == (path.size() >= 2 ? QStringView(path.front()) : rootName)) {
        u.verdict = Never;
        u.category = C::NameRepeated;
    }
    return u;
}
