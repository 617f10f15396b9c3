#pragma once
// pxlib's header declares C functions without extern "C".
extern "C" {
#include <paradox.h>
}
