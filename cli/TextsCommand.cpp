#include "TextsCommand.h"
