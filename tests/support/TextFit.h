// The tests' name for the program's own measure of whether a caption fits its place.
#pragma once

#include "forms/TextFit.h"
