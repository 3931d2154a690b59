// The three generator commands, writing into the output window.
#include "Unit1.h"

void TForm1::CreateFormOnLoad1Click() {}
void TForm1::CreateLoadTextRC1Click() {}
void TForm1::CreateRCFile1Click() {}
