#include "app/LinkApp.h"
#include "platform/CWinApp.h"

static LinkApp theApp(ProgramIdentity{4, "帳簿星２１ Vita", "TxLinkVita.env"});

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
