#include "os/CFRunLoop.h"

#include <memory>

namespace os {

namespace {

// What the run loop keeps of a platform timer or observer: one more reference to it, given back
// when the run loop lets it go.
template <class Item, class Object>
std::shared_ptr<Item> Held(Object* object) {
  CFRetain(object);
  return std::shared_ptr<Item>(static_cast<Item*>(object), [object](Item*) { CFRelease(object); });
}

// Names the item to the run loop without holding it.
template <class Item>
std::shared_ptr<Item> Named(Item* item) {
  return std::shared_ptr<Item>(std::shared_ptr<Item>(), item);
}

}  // namespace

CFAbsoluteTime CFAbsoluteTimeGetCurrent() { return RunLoop::Main().Now(); }

CFRunLoopRef CFRunLoopGetCurrent() { return &RunLoop::Main(); }

CFRunLoopTimer::CFRunLoopTimer(CFAbsoluteTime fireDate, CFTimeInterval interval, CFRunLoopTimerCallBack callout,
                               void* info)
    : RunLoopTimer(fireDate, interval, [this, callout, info](RunLoopTimer&) {
        if (callout != nullptr) callout(this, info);
      }) {}

CFRunLoopObserver::CFRunLoopObserver(CFOptionFlags activities, bool repeats, CFRunLoopObserverCallBack callout,
                                     void* info)
    : RunLoopObserver(static_cast<CFRunLoopActivity>(activities), repeats,
                      [this, callout, info](RunLoopObserver&, CFRunLoopActivity activity) {
                        if (callout != nullptr) callout(this, activity, info);
                      }) {}

CFRunLoopTimerRef CFRunLoopTimerCreate(CFAllocatorRef, CFAbsoluteTime fireDate, CFTimeInterval interval, CFOptionFlags,
                                       CFIndex, CFRunLoopTimerCallBack callout, CFRunLoopTimerContext* context) {
  return new CFRunLoopTimer(fireDate, interval, callout, context != nullptr ? context->info : nullptr);
}

void CFRunLoopTimerInvalidate(CFRunLoopTimerRef timer) {
  if (timer != nullptr) timer->Invalidate();
}

void CFRunLoopAddTimer(CFRunLoopRef loop, CFRunLoopTimerRef timer, const RunLoopMode& mode) {
  if (loop != nullptr && timer != nullptr) loop->AddTimer(Held<RunLoopTimer>(timer), mode);
}

void CFRunLoopRemoveTimer(CFRunLoopRef loop, CFRunLoopTimerRef timer, const RunLoopMode& mode) {
  if (loop != nullptr && timer != nullptr) loop->RemoveTimer(Named<RunLoopTimer>(timer), mode);
}


CFRunLoopObserverRef CFRunLoopObserverCreate(CFAllocatorRef, CFOptionFlags activities, bool repeats, CFIndex,
                                             CFRunLoopObserverCallBack callout, CFRunLoopObserverContext* context) {
  return new CFRunLoopObserver(activities, repeats, callout, context != nullptr ? context->info : nullptr);
}

void CFRunLoopObserverInvalidate(CFRunLoopObserverRef observer) {
  if (observer != nullptr) observer->Invalidate();
}

void CFRunLoopAddObserver(CFRunLoopRef loop, CFRunLoopObserverRef observer, const RunLoopMode& mode) {
  if (loop != nullptr && observer != nullptr) loop->AddObserver(Held<RunLoopObserver>(observer), mode);
}

void CFRunLoopRemoveObserver(CFRunLoopRef loop, CFRunLoopObserverRef observer, const RunLoopMode& mode) {
  if (loop != nullptr && observer != nullptr) loop->RemoveObserver(Named<RunLoopObserver>(observer), mode);
}


}  // namespace os
