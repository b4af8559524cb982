#include "LLBRAKMO.h"

#include "controls/WinApi.h"

#include <type_traits>

namespace driver {

bool DriverLibraryBound = false;

TGetNumCards GetNumCards = nullptr;
TDriverEntry QueryCardInfo = nullptr;
TDriverEntry QueryBARBase = nullptr;
TDriverEntry WaitForIRQ = nullptr;
TDriverEntry COSWaitForIRQ = nullptr;
TDriverEntry WDGHandleIRQ = nullptr;
TDriverEntry AbortRequest = nullptr;
TDriverEntry CloseCard = nullptr;
TDriverEntry WDGInit = nullptr;
TDriverEntry WDGSetTimeout = nullptr;
TDriverEntry WDGSetResetDuration = nullptr;
TDriverEntry WDGPet = nullptr;
TDriverEntry WDGReadTemp = nullptr;
TDriverEntry WDGReadStatus = nullptr;
TDriverEntry WDGStart = nullptr;
TDriverEntry WDGStop = nullptr;
TDriverEntry EmergencyReboot = nullptr;
TDriverEntry InPortB = nullptr;
TDriverEntry OutPortB = nullptr;
TDriverEntry InPort = nullptr;
TDriverEntry OutPort = nullptr;
TDriverEntry InPortL = nullptr;
TDriverEntry OutPortL = nullptr;
TDriverEntry InPortDWord = nullptr;
TDriverEntry OutPortDWord = nullptr;
TDriverEntry RelInPortB = nullptr;
TDriverEntry RelOutPortB = nullptr;
TDriverEntry RelInPort = nullptr;
TDriverEntry RelOutPort = nullptr;
TDriverEntry RelInPortL = nullptr;
TDriverEntry RelOutPortL = nullptr;
TDriverEntry RelInPortDWord = nullptr;
TDriverEntry RelOutPortDWord = nullptr;

namespace {

// The one list of entry points, in lookup order: visit(name, variable) for each.
template <class Visit>
void ForEachEntryPoint(Visit&& visit)
{
#define DRIVER_ENTRY(name) visit(#name, name)
    DRIVER_ENTRY(GetNumCards);
    DRIVER_ENTRY(QueryCardInfo);
    DRIVER_ENTRY(QueryBARBase);
    DRIVER_ENTRY(WaitForIRQ);
    DRIVER_ENTRY(COSWaitForIRQ);
    DRIVER_ENTRY(WDGHandleIRQ);
    DRIVER_ENTRY(AbortRequest);
    DRIVER_ENTRY(CloseCard);
    DRIVER_ENTRY(WDGInit);
    DRIVER_ENTRY(WDGSetTimeout);
    DRIVER_ENTRY(WDGSetResetDuration);
    DRIVER_ENTRY(WDGPet);
    DRIVER_ENTRY(WDGReadTemp);
    DRIVER_ENTRY(WDGReadStatus);
    DRIVER_ENTRY(WDGStart);
    DRIVER_ENTRY(WDGStop);
    DRIVER_ENTRY(EmergencyReboot);
    DRIVER_ENTRY(InPortB);
    DRIVER_ENTRY(OutPortB);
    DRIVER_ENTRY(InPort);
    DRIVER_ENTRY(OutPort);
    DRIVER_ENTRY(InPortL);
    DRIVER_ENTRY(OutPortL);
    DRIVER_ENTRY(InPortDWord);
    DRIVER_ENTRY(OutPortDWord);
    DRIVER_ENTRY(RelInPortB);
    DRIVER_ENTRY(RelOutPortB);
    DRIVER_ENTRY(RelInPort);
    DRIVER_ENTRY(RelOutPort);
    DRIVER_ENTRY(RelInPortL);
    DRIVER_ENTRY(RelOutPortL);
    DRIVER_ENTRY(RelInPortDWord);
    DRIVER_ENTRY(RelOutPortDWord);
#undef DRIVER_ENTRY
}

}  // namespace

void LoadDriverLibrary()
{
    if (DriverLibraryBound)
        return;
    // The module handle is not kept: nothing unloads the library. A load while unbound adds to
    // the loader's count for the library and is never released either.
    platform::HMODULE library = platform::LoadLibraryA(kDriverLibraryName);
    if (!library)
        return;
    bool all = true;
    ForEachEntryPoint([&](const char* name, auto& variable) {
        variable = reinterpret_cast<std::remove_reference_t<decltype(variable)>>(
            platform::GetProcAddress(library, name));
        all = all && variable != nullptr;
    });
    DriverLibraryBound = all;
}

TEntryPointState EntryPoint(std::size_t index)
{
    TEntryPointState state;
    std::size_t i = 0;
    ForEachEntryPoint([&](const char* name, auto variable) {
        if (i++ == index)
            state = {name, variable != nullptr};
    });
    return state;
}

}  // namespace driver
