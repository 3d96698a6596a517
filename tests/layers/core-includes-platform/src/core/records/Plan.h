#pragma once
#include "platform/Pointer.h"
