#include "app/LinkApp.h"
#include "platform/CWinApp.h"

static LinkApp theApp(ProgramIdentity{3, "帳簿星２１ Alto", "TxLinkAlto.env"});

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
