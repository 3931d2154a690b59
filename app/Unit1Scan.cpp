// Find Next, the busy state and Stop, Change/Toggle and Find Text.
#include "Unit1.h"

void TForm1::EnterBusy() {}
void TForm1::LeaveBusy() {}
void TForm1::SpeedButton4Click() {}
void TForm1::ToolButton8Click() {}
void TForm1::SpeedButton3Click() {}
void TForm1::ToolButton13Click() {}
