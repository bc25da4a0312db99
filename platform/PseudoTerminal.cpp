#include "PseudoTerminal.h"
