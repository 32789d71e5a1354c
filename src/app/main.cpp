#include "editorstartup.h"

int main(int argc, char** argv) { return galewright::runEditor(argc, argv); }
