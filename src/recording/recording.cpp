#include "recording/recording.h"
