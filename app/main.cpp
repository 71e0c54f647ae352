// Corvanta Vistra: the map application.
#include "app/VistraMain.h"

int main() { return app::RunVistra(); }
