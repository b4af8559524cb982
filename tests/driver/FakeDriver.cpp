// A stand-in for the maker's driver library, built as "BRAKMO.dll" in one folder per variant so a
// test process finds it by the loader's ordinary search. Compiled with WITHOUT_<name> to leave an
// export out. It counts what a test needs to see from the outside:
// - BrakmoTestLoads: how often the library was loaded into the process (its constructor);
// - BrakmoTestLookups: how often QueryCardInfo was looked up. It is an indirect function, whose
//   resolver the loader runs on every lookup by name, so a repeated binding shows here;
// - BrakmoTestCalls: how often GetNumCards was called.
// GetNumCards returns the number in BRAKMO_TEST_CARDS, read at each call (0 when unset).

#include <cstdint>
#include <cstdlib>

extern "C" {

int BrakmoTestLoads = 0;
int BrakmoTestLookups = 0;
int BrakmoTestCalls = 0;

__attribute__((constructor)) static void CountLoad() { ++BrakmoTestLoads; }

#ifndef WITHOUT_GetNumCards
std::int32_t GetNumCards()
{
    ++BrakmoTestCalls;
    const char* cards = std::getenv("BRAKMO_TEST_CARDS");
    return cards ? std::int32_t(std::strtol(cards, nullptr, 10)) : 0;
}
#endif

static void QueryCardInfoBody() {}
using TEntry = void (*)();
static TEntry ResolveQueryCardInfo()
{
    ++BrakmoTestLookups;
    return &QueryCardInfoBody;
}
void QueryCardInfo() __attribute__((ifunc("ResolveQueryCardInfo")));

// The entry points the program binds but never calls.
#define BOUND_ONLY(name) \
    void name() {}
BOUND_ONLY(QueryBARBase)
BOUND_ONLY(WaitForIRQ)
BOUND_ONLY(COSWaitForIRQ)
BOUND_ONLY(WDGHandleIRQ)
BOUND_ONLY(AbortRequest)
BOUND_ONLY(CloseCard)
BOUND_ONLY(WDGInit)
BOUND_ONLY(WDGSetTimeout)
BOUND_ONLY(WDGSetResetDuration)
BOUND_ONLY(WDGPet)
BOUND_ONLY(WDGReadTemp)
BOUND_ONLY(WDGReadStatus)
BOUND_ONLY(WDGStart)
BOUND_ONLY(WDGStop)
BOUND_ONLY(EmergencyReboot)
BOUND_ONLY(InPortB)
BOUND_ONLY(OutPortB)
BOUND_ONLY(InPort)
BOUND_ONLY(OutPort)
BOUND_ONLY(InPortL)
BOUND_ONLY(OutPortL)
BOUND_ONLY(InPortDWord)
BOUND_ONLY(OutPortDWord)
BOUND_ONLY(RelInPortB)
BOUND_ONLY(RelOutPortB)
BOUND_ONLY(RelInPort)
BOUND_ONLY(RelOutPort)
BOUND_ONLY(RelInPortL)
BOUND_ONLY(RelOutPortL)
BOUND_ONLY(RelInPortDWord)
#ifndef WITHOUT_RelOutPortDWord
BOUND_ONLY(RelOutPortDWord)
#endif
#undef BOUND_ONLY

}  // extern "C"
