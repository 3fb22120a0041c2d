#include "backend_select.h"

void selectAccessBackend(void) {}
