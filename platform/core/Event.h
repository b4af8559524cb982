#pragma once
// A (method, object) pair: the handler type of every component event.
//
// Unlike std::function it can be compared and cleared as a whole, which the components rely on
// ("is this event assigned?", "is it still bound to that object?"), and it costs no allocation.

#include <cstring>
#include <type_traits>

namespace platform {

class TObject;

template <typename... Args>
class TEvent {
public:
    TEvent() = default;

    template <class C>
    TEvent(void (C::*method)(Args...), C* object)
        : FObject(object), FInvoke(&Invoke<C>)
    {
        static_assert(sizeof(method) <= sizeof(FCode), "member pointer larger than expected");
        std::memcpy(FCode, &method, sizeof(method));
    }

    explicit operator bool() const { return FInvoke != nullptr; }
    bool Assigned() const { return FInvoke != nullptr; }
    void Clear() { *this = TEvent(); }
    // The object the handler runs on.
    void* Data() const { return FObject; }

    void operator()(Args... args) const
    {
        if (FInvoke)
            FInvoke(*this, args...);
    }

    friend bool operator==(const TEvent& a, const TEvent& b)
    {
        return a.FObject == b.FObject && a.FInvoke == b.FInvoke &&
               std::memcmp(a.FCode, b.FCode, sizeof(FCode)) == 0;
    }

private:
    using TInvoker = void (*)(const TEvent&, Args...);

    template <class C>
    static void Invoke(const TEvent& self, Args... args)
    {
        void (C::*method)(Args...);
        std::memcpy(&method, self.FCode, sizeof(method));
        (static_cast<C*>(self.FObject)->*method)(args...);
    }

    void* FObject = nullptr;
    TInvoker FInvoke = nullptr;
    // Big enough for a member pointer of a class with multiple or virtual bases.
    alignas(void*) unsigned char FCode[2 * sizeof(void*) + sizeof(long)] = {};
};

// Binds a handler: Method(&TMainForm::Exit2Click, form).
template <class C, class D, typename... Args>
TEvent<Args...> Method(void (C::*method)(Args...), D* object)
{
    return TEvent<Args...>(method, static_cast<C*>(object));
}

using TNotifyEvent = TEvent<TObject*>;

}  // namespace platform
