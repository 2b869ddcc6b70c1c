#include "cli/CliRunner.h"

int main(int argc, char** argv) { return quorvix::RunCli(argc, argv); }
