#include "App.h"

int main(int, char**) { return fennick::RunApplication(); }
