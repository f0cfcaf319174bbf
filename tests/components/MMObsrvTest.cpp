// SPDX-License-Identifier: MIT
#include "MMObsrv.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace brivmemo {
namespace {

// Observers named by a letter that write their name into a shared log when told.
class ObserverTest : public testing::Test {
protected:
    TMMObserver &make(const std::string &name)
    {
        auto observer = std::make_unique<TMMObserver>();
        observer->OnNotify = [this, name](TMMObserver *, TObject *) { told.push_back(name); };
        observers.push_back(std::move(observer));
        return *observers.back();
    }

    // The two links agree: an observer is listed by a subject exactly when it names it.
    static void expectLinksAgree(
        const TMMObservable &subject, const std::vector<const TMMObserver *> &candidates)
    {
        const std::vector<TMMObserver *> listed = subject.Observers();
        for (const TMMObserver *observer : candidates) {
            const bool inList = std::find(listed.begin(), listed.end(), observer) != listed.end();
            EXPECT_EQ(inList, observer->Observable() == &subject);
        }
        for (const TMMObserver *observer : listed)
            EXPECT_EQ(observer->Observable(), &subject);
    }

    std::vector<std::string> told;
    std::vector<std::unique_ptr<TMMObserver>> observers;
};

using Log = std::vector<std::string>;

TEST_F(ObserverTest, TellsTheNewestObserverFirst)
{
    TMMObservable subject;
    TMMObserver &a = make("A");
    TMMObserver &b = make("B");
    TMMObserver &c = make("C");
    subject.AddObserver(&a);
    subject.AddObserver(&b);
    subject.AddObserver(&c);

    subject.NotifyObservers(nullptr);

    EXPECT_EQ(told, (Log {"C", "B", "A"}));
    EXPECT_EQ(subject.Observers(), (std::vector<TMMObserver *> {&a, &b, &c}));
    expectLinksAgree(subject, {&a, &b, &c});
}

TEST_F(ObserverTest, AttachingAgainMovesTheObserverToTheEnd)
{
    TMMObservable subject;
    TMMObserver &a = make("A");
    TMMObserver &b = make("B");
    TMMObserver &c = make("C");
    for (TMMObserver *observer : {&a, &b, &c, &a})
        subject.AddObserver(observer);

    subject.NotifyObservers(nullptr);

    EXPECT_EQ(told, (Log {"A", "C", "B"}));
    EXPECT_EQ(subject.Observers().size(), 3U);
    expectLinksAgree(subject, {&a, &b, &c});
}

TEST_F(ObserverTest, PassesItselfAndTheDataToTheHandler)
{
    TMMObservable subject;
    TMMObservable data;
    TMMObserver observer;
    TMMObserver *seenSender = nullptr;
    TObject *seenData = nullptr;
    observer.OnNotify = [&](TMMObserver *sender, TObject *received) {
        seenSender = sender;
        seenData = received;
    };
    subject.AddObserver(&observer);

    subject.NotifyObservers(&data);

    EXPECT_EQ(seenSender, &observer);
    EXPECT_EQ(seenData, &data);
}

TEST_F(ObserverTest, AttachingToAnotherSubjectLeavesTheFirst)
{
    TMMObservable first;
    TMMObservable second;
    TMMObserver &a = make("A");
    TMMObserver &b = make("B");
    first.AddObserver(&a);
    first.AddObserver(&b);

    second.AddObserver(&a);
    first.NotifyObservers(nullptr);

    EXPECT_EQ(told, (Log {"B"}));
    EXPECT_EQ(a.Observable(), &second);
    expectLinksAgree(first, {&a, &b});
    expectLinksAgree(second, {&a, &b});
}

TEST_F(ObserverTest, RemovingAnObserverOfAnotherSubjectChangesNothing)
{
    TMMObservable first;
    TMMObservable second;
    TMMObserver &a = make("A");
    first.AddObserver(&a);

    second.RemoveObserver(&a);
    second.RemoveObserver(nullptr);
    second.AddObserver(nullptr);

    EXPECT_EQ(a.Observable(), &first);
    EXPECT_EQ(first.Observers(), (std::vector<TMMObserver *> {&a}));
    EXPECT_TRUE(second.Observers().empty());
}

TEST_F(ObserverTest, ObserverThatDetachesItselfDoesNotDisturbTheBroadcast)
{
    TMMObservable subject;
    TMMObserver &a = make("A");
    TMMObserver &b = make("B");
    TMMObserver &c = make("C");
    b.OnNotify = [&](TMMObserver *self, TObject *) {
        told.push_back("B");
        subject.RemoveObserver(self);
    };
    for (TMMObserver *observer : {&a, &b, &c})
        subject.AddObserver(observer);

    subject.NotifyObservers(nullptr);
    subject.NotifyObservers(nullptr);

    EXPECT_EQ(told, (Log {"C", "B", "A", "C", "A"}));
    expectLinksAgree(subject, {&a, &b, &c});
}

TEST_F(ObserverTest, ObserverDetachedBeforeItsTurnIsSkipped)
{
    TMMObservable subject;
    TMMObserver &a = make("A");
    TMMObserver &b = make("B");
    TMMObserver &c = make("C");
    c.OnNotify = [&](TMMObserver *, TObject *) {
        told.push_back("C");
        subject.RemoveObserver(&b);
    };
    for (TMMObserver *observer : {&a, &b, &c})
        subject.AddObserver(observer);

    subject.NotifyObservers(nullptr);

    EXPECT_EQ(told, (Log {"C", "A"}));
}

TEST_F(ObserverTest, ObserverDestroyedDuringTheBroadcastIsSkippedSafely)
{
    TMMObservable subject;
    TMMObserver &a = make("A");
    auto doomed = std::make_unique<TMMObserver>();
    doomed->OnNotify = [&](TMMObserver *, TObject *) { told.push_back("doomed"); };
    TMMObserver &c = make("C");
    c.OnNotify = [&](TMMObserver *, TObject *) {
        told.push_back("C");
        doomed.reset();
    };
    subject.AddObserver(&a);
    subject.AddObserver(doomed.get());
    subject.AddObserver(&c);

    subject.NotifyObservers(nullptr);

    EXPECT_EQ(told, (Log {"C", "A"}));
    EXPECT_EQ(subject.Observers(), (std::vector<TMMObserver *> {&a, &c}));
}

TEST_F(ObserverTest, ObserverThatDestroysItselfLetsTheOthersBeTold)
{
    TMMObservable subject;
    TMMObserver &a = make("A");
    auto self = std::make_unique<TMMObserver>();
    self->OnNotify = [&](TMMObserver *, TObject *) {
        told.push_back("self");
        self.reset();
    };
    subject.AddObserver(&a);
    subject.AddObserver(self.get());

    subject.NotifyObservers(nullptr);

    EXPECT_EQ(told, (Log {"self", "A"}));
    EXPECT_EQ(subject.Observers(), (std::vector<TMMObserver *> {&a}));
}

TEST_F(ObserverTest, ObserverAttachedDuringTheBroadcastIsToldNextTime)
{
    TMMObservable subject;
    TMMObserver &a = make("A");
    TMMObserver &late = make("late");
    a.OnNotify = [&](TMMObserver *, TObject *) {
        told.push_back("A");
        subject.AddObserver(&late);
    };
    subject.AddObserver(&a);

    subject.NotifyObservers(nullptr);
    EXPECT_EQ(told, (Log {"A"}));

    subject.NotifyObservers(nullptr);
    EXPECT_EQ(told, (Log {"A", "late", "A"}));
}

TEST_F(ObserverTest, DestroyedObserverLeavesItsSubject)
{
    TMMObservable subject;
    TMMObserver &a = make("A");
    auto b = std::make_unique<TMMObserver>();
    subject.AddObserver(&a);
    subject.AddObserver(b.get());

    b.reset();

    EXPECT_EQ(subject.Observers(), (std::vector<TMMObserver *> {&a}));
}

TEST_F(ObserverTest, DestroyedSubjectLeavesItsObserversDetached)
{
    TMMObserver &a = make("A");
    TMMObserver &b = make("B");
    auto subject = std::make_unique<TMMObservable>();
    subject->AddObserver(&a);
    subject->AddObserver(&b);

    subject.reset();

    EXPECT_EQ(a.Observable(), nullptr);
    EXPECT_EQ(b.Observable(), nullptr);
    // Destroying a former observer afterwards must not reach the destroyed subject.
    observers.clear();
}

TEST_F(ObserverTest, ObserverWithoutHandlerIsToldAndDoesNothing)
{
    TMMObservable subject;
    TMMObserver &a = make("A");
    TMMObserver silent;
    subject.AddObserver(&a);
    subject.AddObserver(&silent);

    subject.NotifyObservers(nullptr);

    EXPECT_EQ(told, (Log {"A"}));
}

} // namespace
} // namespace brivmemo
