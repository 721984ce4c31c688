// Keeps the library non-empty until the toolkit lands.
#include "shared/WinTypes.h"
