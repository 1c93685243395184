#include "basistypus.h"
