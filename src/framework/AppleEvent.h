#pragma once
// An event sent to the application from outside (here: a request to quit,
// from a signal or the session manager). It carries nothing but its class
// and ID, which are passed beside it.

namespace framework {

class AppleEvent final {};

} // namespace framework
