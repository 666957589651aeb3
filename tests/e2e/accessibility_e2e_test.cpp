// The real game read through AT-SPI as a screen reader meets it, on a session bus of the test's
// own: the hold buttons' cards and pressed states, what the notification says after a deal, a
// hold and a draw, the results in words, one focus at a time, the Pay Table line by line.
#include <QRegularExpression>

#include <vector>

#include "e2e_fixture.h"

namespace {

// One element as the probe tells it.
struct CElement {
    int nDepth = 0;
    int nParent = -1;  // index in the tree; -1 for a window
    QString strRole;
    QString strName;
    QStringList states;
    QString strText;
};

class AccessibilityE2ETest : public E2ETest {
protected:
    // The tree once the notification says something that starts so, within a few seconds.
    std::vector<CElement> TreeOnceSaid(const QString& strStart) {
        std::vector<CElement> tree;
        for (int i = 0; i < 20; ++i, Settle(200)) {
            tree = Tree();
            const CElement* pNotice = Find(tree, "notification");
            if (pNotice && pNotice->strName.startsWith(strStart)) break;
        }
        return tree;
    }
    void PrepareGame(QProcessEnvironment& env) override {
        // The game finds the bus where a desktop session puts it, under the runtime directory.
        const QString strAddress = "unix:path=" + m_runtimeDir.filePath("bus");
        m_bus.start("dbus-daemon",
                    {"--session", "--nofork", "--print-address=1", "--address=" + strAddress});
        ASSERT_TRUE(m_bus.waitForReadyRead(10000)) << "no session bus";
        env.insert("DBUS_SESSION_BUS_ADDRESS", strAddress);
        // As when a screen reader runs: Qt then serves AT-SPI from its start.
        env.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        m_probe.setProcessEnvironment(env);
        m_probe.start("/usr/bin/python3", {HANDFALL_ATSPI_PROBE});
        ASSERT_TRUE(m_probe.waitForStarted(5000));
        ASSERT_EQ(ReadLine(), "ready");
    }
    void TearDown() override {
        m_probe.write("quit\n");
        if (!m_probe.waitForFinished(5000)) m_probe.kill();
        E2ETest::TearDown();
        // The accessibility bus it started ends with it.
        m_bus.terminate();
        if (!m_bus.waitForFinished(5000)) m_bus.kill();
    }

    // The events heard until one is strEvent or a few seconds have passed.
    QStringList EventsUntil(const QString& strEvent) {
        QStringList events;
        for (int i = 0; i < 20 && !events.contains(strEvent); ++i, Settle(100))
            events << Ask("events");
        return events;
    }
    QString ReadLine() {
        while (!m_probe.canReadLine())
            if (!m_probe.waitForReadyRead(20000)) return "(no answer)";
        return QString::fromUtf8(m_probe.readLine()).chopped(1);
    }
    QStringList Ask(const char* pszCommand) {
        m_probe.write(QByteArray(pszCommand) + "\n");
        QStringList lines;
        for (QString line = ReadLine(); line != "." && line != "(no answer)"; line = ReadLine())
            lines << line;
        return lines;
    }
    // "outline" leaves out the cells of tables, for a walk while the program may refill them.
    std::vector<CElement> Tree(const char* pszCommand = "tree") {
        std::vector<CElement> tree;
        std::vector<int> open;  // the last element at each depth
        for (const QString& line : Ask(pszCommand)) {
            const QStringList fields = line.split('|');
            if (fields.size() < 5) continue;
            CElement element{fields[0].toInt(),
                             -1,
                             fields[1],
                             fields[2],
                             fields[3].split(',', Qt::SkipEmptyParts),
                             fields[4]};
            open.resize(static_cast<size_t>(element.nDepth));
            if (!open.empty()) element.nParent = open.back();
            open.push_back(static_cast<int>(tree.size()));
            tree.push_back(element);
        }
        return tree;
    }
    static const CElement* Find(const std::vector<CElement>& tree, const QString& strRole,
                                const QRegularExpression& name = QRegularExpression()) {
        for (const CElement& element : tree)
            if (element.strRole == strRole && name.match(element.strName).hasMatch())
                return &element;
        return nullptr;
    }
    static std::vector<const CElement*> ChildrenOf(const std::vector<CElement>& tree,
                                                   const CElement* pParent) {
        std::vector<const CElement*> children;
        for (const CElement& element : tree)
            if (element.nParent >= 0 && &tree[static_cast<size_t>(element.nParent)] == pParent)
                children.push_back(&element);
        return children;
    }

    QProcess m_bus;
    QProcess m_probe;
};

const QRegularExpression kHold("^Hold ");

TEST_F(AccessibilityE2ETest, PlayIsToldAndEveryControlReadsAsWordsThroughAtSpi) {
    std::vector<CElement> tree = Tree();
    ASSERT_NE(Find(tree, "dialog", QRegularExpression("^Handfall II$")), nullptr)
        << "the game is not on the accessibility bus";
    const CElement* pGame = Find(tree, "panel", QRegularExpression("^Game$"));
    ASSERT_NE(pGame, nullptr);
    EXPECT_EQ(ChildrenOf(tree, pGame).size(), 4u) << "the game boxes are the group's own";
    Ask("events");

    Type("d");
    tree = TreeOnceSaid("Dealt ");
    const CElement* pNotice = Find(tree, "notification");
    ASSERT_NE(pNotice, nullptr);
    // "Dealt 9 of hearts, ...": the five cards the hold buttons name, in their order.
    QStringList cards;
    for (const CElement& element : tree)
        if (element.strRole == "push button" && kHold.match(element.strName).hasMatch())
            cards << element.strName.mid(5);
    ASSERT_EQ(cards.size(), 5);
    EXPECT_EQ(pNotice->strName, "Dealt " + cards.join(", "));
    for (const QString& card : cards)
        EXPECT_TRUE(QRegularExpression("^(\\d+|jack|queen|king|ace) of (clubs|diamonds|hearts|"
                                       "spades)$")
                        .match(card)
                        .hasMatch())
            << card.toStdString();
    const QString strShown = "object:state-changed:showing|notification|" + pNotice->strName;
    EXPECT_TRUE(EventsUntil(strShown).contains(strShown))
        << "the notification was not shown anew, so nothing was said";

    Type("1");
    Type("4");
    // Qt 6.4 forwards a change of the checked state, not of the pressed one: a screen reader
    // hears the first and reads the second when it next asks.
    const QStringList events =
        EventsUntil("object:state-changed:checked|push button|Hold " + cards[3]);
    EXPECT_TRUE(events.contains("object:state-changed:checked|push button|Hold " + cards[3]))
        << events.join('\n').toStdString();
    tree = Tree();
    int nHold = 0;
    for (const CElement& element : tree) {
        if (element.strRole != "push button" || !kHold.match(element.strName).hasMatch()) continue;
        EXPECT_EQ(element.states.contains("pressed"), nHold == 0 || nHold == 3) << nHold;
        EXPECT_EQ(element.states.contains("checked"), nHold == 0 || nHold == 3) << nHold;
        ++nHold;
    }
    EXPECT_EQ(Find(tree, "notification")->strName, cards[3] + " held");

    Type("d");
    tree = TreeOnceSaid("Main hand ");
    const CElement* pResults = Find(tree, "list", QRegularExpression("^Results$"));
    ASSERT_NE(pResults, nullptr);
    const std::vector<const CElement*> lines = ChildrenOf(tree, pResults);
    ASSERT_GE(lines.size(), 2u);
    // Each line in words; the total is what the notification says was won.
    for (const CElement* pLine : lines)
        EXPECT_FALSE(pLine->strName.contains('@') || pLine->strName.contains('='))
            << pLine->strName.toStdString();
    const QString strTotal = lines.back()->strName;
    ASSERT_TRUE(strTotal.startsWith("Total: ")) << strTotal.toStdString();
    EXPECT_TRUE(Find(tree, "notification")->strName.endsWith(". Won " + strTotal.mid(7)))
        << Find(tree, "notification")->strName.toStdString();
    int nFocused = 0;
    for (const CElement& element : tree) nFocused += element.states.contains("focused");
    EXPECT_EQ(nFocused, 1) << "one element has the focus";

    // The coach: every figure shown reads with its value, symbols as words.
    Type("c");
    // Until the coach has its figures, walked without the ranking, whose rows change as it
    // settles; then read whole.
    const QRegularExpression working("Working out|Making the strategy chart");
    const auto settled = [&] {
        for (const CElement& element : tree)
            if (working.match(element.strName + element.strText).hasMatch()) return false;
        return Find(tree, "list item", QRegularExpression("^Deals played: 1$")) &&
               Find(tree, "list item",
                    QRegularExpression("^Cost of your hold: \\d+\\.\\d\\d coins$"));
    };
    for (int i = 0; i < 150 && (tree = Tree("outline"), !settled()); ++i) Settle(200);
    Settle(300);
    tree = Tree();
    const CElement* pCoach = Find(tree, "frame", QRegularExpression("^Handfall II Coach$"));
    ASSERT_NE(pCoach, nullptr) << "the coach is not a window on the bus";
    ASSERT_NE(
        Find(tree, "list item", QRegularExpression("^Cost of your hold: \\d+\\.\\d\\d coins$")),
        nullptr)
        << "the coach's figures did not come";
    int nFigures = 0;
    for (const char* pszGroup : {"^This deal", "^Over \\d+ hands?$", "^Session$"}) {
        const CElement* pGroup = Find(tree, "list", QRegularExpression(pszGroup));
        ASSERT_NE(pGroup, nullptr) << pszGroup;
        for (const CElement* pLine : ChildrenOf(tree, pGroup)) {
            if (pLine->strRole != "list item" || !pLine->states.contains("showing")) continue;
            ++nFigures;
            // A value: a number or a hold in words, never a bare caption or a symbol.
            EXPECT_TRUE(
                QRegularExpression("\\d|nothing|after the draw").match(pLine->strName).hasMatch())
                << pLine->strName.toStdString();
            EXPECT_FALSE(
                QRegularExpression(QString::fromUtf8("[♣♦♥♠▶]")).match(pLine->strName).hasMatch())
                << pLine->strName.toStdString();
        }
    }
    EXPECT_GT(nFigures, 20);
    EXPECT_NE(Find(tree, "list item", QRegularExpression("^Royal Flush: probability [\\d.]+ %, ")),
              nullptr);
    Type("c");

    // The Pay Table: each game's table under its name, a line a pay.
    Type("Return");
    ASSERT_FALSE(Window("Handfall II Pay Table").isEmpty());
    // The dialog reaches the bus a moment after its window is mapped, later on a busy machine.
    const char* const kGames[] = {"Jacks or Better", "Bonus", "Double Bonus", "Duces Wild"};
    const auto allShown = [&] {
        for (const char* pszGame : kGames)
            if (!Find(tree, "panel", QRegularExpression(QString("^%1$").arg(pszGame))))
                return false;
        return true;
    };
    for (int i = 0; i < 150 && (tree = Tree(), !allShown()); ++i) Settle(200);
    for (const char* pszGame : kGames) {
        const CElement* pGroup =
            Find(tree, "panel", QRegularExpression(QString("^%1$").arg(pszGame)));
        ASSERT_NE(pGroup, nullptr) << pszGame;
        const std::vector<const CElement*> children = ChildrenOf(tree, pGroup);
        ASSERT_EQ(children.size(), 1u) << pszGame;
        const std::vector<const CElement*> pays = ChildrenOf(tree, children[0]);
        ASSERT_GE(pays.size(), 9u) << pszGame;
        EXPECT_EQ(pays.front()->strName, "Royal Flush: 250 per coin") << pszGame;
    }
    Key("Escape");
}

}  // namespace
