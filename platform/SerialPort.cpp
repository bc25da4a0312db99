#include "SerialPort.h"
