#pragma once
// The public interface of the dictionary library.
#include "pembra/Dictionary.h"
#include "pembra/EncodingInfo.h"
#include "pembra/Quillet.h"
#include "pembra/Settings.h"
#include "pembra/TkErrException.h"
