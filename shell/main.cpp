#include "shell/Application.h"

int main(int argc, char* argv[]) { return velmoran::runApplication(argc, argv); }
