#include "shell/mainwin/TF_main.h"

void TF_main::ConnectControlFilePage() {}
