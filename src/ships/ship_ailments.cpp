// Taking, running and expiring a ship's ailments.
#include "ships/ship.h"

#include "core/message_log.h"
#include "ships/pilot.h"

void CShip::ApplyAilment(int ailmentId, bool friendly)
{
    auto* ailment = new CAilment(ailmentId);
    // A friendly ailment lands only where the caller says friendly, and the other way round.
    if ((ailment->mFriendly != 0) != friendly) {
        delete ailment;
        return;
    }
    ailment->Restart();
    CAilment** slot =
        ailment->mType >= 1 && ailment->mType <= kAilmentTypeCount ? &mAilments[ailment->mType - 1] : nullptr;
    // A running ailment is never renewed or replaced.
    if (!slot || *slot) {
        delete ailment;
        return;
    }
    *slot = ailment;
    if (!IsPlayerShip(this))
        return;
    const char* message = AilmentMessage(ailment->mType);
    const auto& log = FlightMessages();
    if (log.empty() || log.back() != message)
        PostFlightMessage(message);
}

void CShip::UpdateAilments()
{
    // The engines recharge unless an ailment says otherwise this frame.
    mRecharge = 1;
    for (CAilment*& ailment : mAilments) {
        if (!ailment)
            continue;
        if (ailment->mRemainingMs < 1) {
            ailment->Remove(this);
            delete ailment;
            ailment = nullptr;
        } else {
            ailment->Apply(this);
        }
    }
}
