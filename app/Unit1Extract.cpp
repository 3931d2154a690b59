// The number button and Extract / Extract C.
#include "Unit1.h"

void TForm1::SpeedButton7Click() {}
void TForm1::SpeedButton5Click(QObject *) {}
