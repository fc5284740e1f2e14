// sd_vokadlo: the Speech Dispatcher output module of Vokadlo.
//
// Started by the server as `sd_vokadlo CONFIGFILE`; speaks the module protocol on standard
// input and output and logs on standard error.
#include <csignal>
#include <exception>
#include <memory>
#include <string>

#include "integration/speechd/Module.h"

namespace {

using namespace vokadlo::speechd;

int Run(int argc, char** argv) {
    TLog log;
    TLineInput in(0);
    TReplies out(1);
    const TModuleConfig config = ReadModuleConfig(argc > 1 ? argv[1] : "");

    const auto init = in.ReadLine();
    if (!init || *init != "INIT") {
        log.Write(1, "the server did not start with INIT");
        return 3;
    }
    std::unique_ptr<TModule> module;
    try {
        module = std::make_unique<TModule>(config, log, out);
    } catch (const std::exception& e) {
        out.Line(std::string("399-") + e.what());
        out.Line("399 ERR CANT INIT MODULE");
        out.Flush();
        return 1;
    }
    out.Line("299-Vokadlo " VOKADLO_VERSION ": Czech, voices VEMIRa, VEMIRuska and VEMIR");
    out.Line("299 OK LOADED SUCCESSFULLY");
    out.Flush();
    return module->Serve(in);
}

}  // namespace

int main(int argc, char** argv) {
    // A server that has gone shows as a failed write, not as a signal.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return Run(argc, argv);
    } catch (const TServerGone&) {
        return 2;
    }
}
