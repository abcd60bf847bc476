#include "zelwebview/GlobalWebView.h"

#include "zelwebview/CEFClient.h"

namespace zelwebview {

void GlobalWebViewInitialize(bool useTimer) { CEFClient::InitZELCEF(useTimer); }

void GlobalWebViewTerminate() { CEFClient::TerminateZELCEF(); }

}  // namespace zelwebview
