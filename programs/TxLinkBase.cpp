#include "app/LinkApp.h"
#include "platform/CWinApp.h"

static LinkApp theApp(ProgramIdentity{0, "帳簿星２１", "TxLinkBase.env"});

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
