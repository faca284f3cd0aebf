#pragma once
// The UTF-16 conversion lives with the other text conversions; this name
// stays for the host files that still include it. New code includes
// "text/utf16.h".

#include "text/utf16.h"
