#pragma once
// The run loop's timers and observers as counted platform objects, and the clock they run on.
// A timer or observer is made with one reference, its maker's; the run loop holds one more while
// it is in at least one mode, so CFRelease after removing it from every mode lets it go. Every
// call is made on the main thread; the current run loop is the main one.
#include "os/RunLoop.h"
#include "os/URL.h"

namespace os {

using CFAbsoluteTime = double;
using CFTimeInterval = double;
using CFOptionFlags = unsigned long;
using CFIndex = long;
using CFAllocatorRef = const void*;
inline constexpr CFAllocatorRef kCFAllocatorDefault = nullptr;

// Seconds on the main run loop's clock (RunLoop::Now): real time in the program, the test's
// reading once a test took the clock over.
CFAbsoluteTime CFAbsoluteTimeGetCurrent();

using CFRunLoopRef = RunLoop*;
CFRunLoopRef CFRunLoopGetCurrent();

class CFRunLoopTimer;
using CFRunLoopTimerRef = CFRunLoopTimer*;
using CFRunLoopTimerCallBack = void (*)(CFRunLoopTimerRef timer, void* info);
struct CFRunLoopTimerContext {
  CFIndex version = 0;
  void* info = nullptr;
};

class CFRunLoopTimer : public CFObject, public RunLoopTimer {
 public:
  CFRunLoopTimer(CFAbsoluteTime fireDate, CFTimeInterval interval, CFRunLoopTimerCallBack callout, void* info);
};

class CFRunLoopObserver;
using CFRunLoopObserverRef = CFRunLoopObserver*;
using CFRunLoopObserverCallBack = void (*)(CFRunLoopObserverRef observer, CFRunLoopActivity activity, void* info);
struct CFRunLoopObserverContext {
  CFIndex version = 0;
  void* info = nullptr;
};

class CFRunLoopObserver : public CFObject, public RunLoopObserver {
 public:
  CFRunLoopObserver(CFOptionFlags activities, bool repeats, CFRunLoopObserverCallBack callout, void* info);
};

// A timer first due at fireDate that repeats every interval when the interval is above 0. The
// allocator, flags and order are not used; the context's info, when given, is handed to the
// callout.
CFRunLoopTimerRef CFRunLoopTimerCreate(CFAllocatorRef allocator, CFAbsoluteTime fireDate, CFTimeInterval interval,
                                       CFOptionFlags flags, CFIndex order, CFRunLoopTimerCallBack callout,
                                       CFRunLoopTimerContext* context);
// Stops the timer for good; the run loop lets it go.
void CFRunLoopTimerInvalidate(CFRunLoopTimerRef timer);
void CFRunLoopAddTimer(CFRunLoopRef loop, CFRunLoopTimerRef timer, const RunLoopMode& mode);
void CFRunLoopRemoveTimer(CFRunLoopRef loop, CFRunLoopTimerRef timer, const RunLoopMode& mode);

// An observer of the activities (kCFRunLoopBeforeTimers, kCFRunLoopBeforeWaiting); the allocator
// and order are not used.
CFRunLoopObserverRef CFRunLoopObserverCreate(CFAllocatorRef allocator, CFOptionFlags activities, bool repeats,
                                             CFIndex order, CFRunLoopObserverCallBack callout,
                                             CFRunLoopObserverContext* context);
void CFRunLoopObserverInvalidate(CFRunLoopObserverRef observer);
void CFRunLoopAddObserver(CFRunLoopRef loop, CFRunLoopObserverRef observer, const RunLoopMode& mode);
void CFRunLoopRemoveObserver(CFRunLoopRef loop, CFRunLoopObserverRef observer, const RunLoopMode& mode);

}  // namespace os
