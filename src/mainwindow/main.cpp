#include "Aplicacao.h"

int main(int argc, char** argv) { return rodaleque::janela::executar(argc, argv); }
