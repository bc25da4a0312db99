#include "PortList.h"
