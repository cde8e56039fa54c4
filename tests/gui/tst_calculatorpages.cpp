// The eight calculator pages driven through the main window, from their controls to the totals grid.
#include "support/CalculatorTestKit.h"

#include "totals/TotalsGrid.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace CalculatorTestKit;

namespace {

// "from<unit>|...|to<unit>" in steps of `step`.
QString span(int from, int to, int step, const char *unit)
{
    QStringList entries;
    for (int n = from; n <= to; n += step)
        entries << QString::number(n) + QLatin1String(unit);
    return entries.join('|');
}

// What the foot of every page holds: the labour field, "Send " and the hint below them.
QString posting(int labour, const char *send, const char *hint)
{
    const QString field = QStringLiteral("myADDSigntbx(%1)").arg(labour);
    return "; field " + field + " max 10; is " + field + " $0.00; label Add Labor Cost (Optional)>" + field +
           "; field " + send + " Send ; label Click \"SEND\" Button To Copy Total Cost " + hint + "To The Totals Page.";
}

const QString kBrickSizes = "4 x 2-3/4 x 8|4 x 3 x 8|4 x 4 x 8|4 x 5-1/4 x 8|4 x 2 x 12|4 x 2-3/4 x 12|4 x 3 x 12|"
                            "4 x 4 x 12|4 x 5-1/4 x 12|6 x 2-3/4 x 12|6 x 3-1/4 x 12|6 x 4 x 12";

} // namespace

class TestCalculatorPages : public QObject
{
    Q_OBJECT

private slots:
    void pages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("script");
        const QString footingSizes = "pick:8\"|10\"|12\"|14\"|16\"|18\"|20\"|24\"";
        QTest::newRow("footing controls") << 0 << QString(
            "field MyFNGcbo_Wdth " + footingSizes + "; label Width>MyFNGcbo_Wdth; field MyFNGcbo_Hght " + footingSizes +
            "; label Depth>MyFNGcbo_Hght; field MyFNGtbx_lngth free; field MyFNGcbx_CPCY max 6;"
            "field MyFNGtbx_TLCY result; field MyFNGtbx_TC result; field MyFNGcmd_TLCY Cubic Yards;"
            "field MyFNGcmd_TC Cost Of Material; label Enter Size Of Footing; label Enter Total Length Of Footing.;"
            "label Enter Cost Per Cubic Yard.>MyFNGcbx_CPCY" + posting(6, "Myfngcmd_send", ""));
        QTest::newRow("footing") << 0 << QString(
            "set MyFNGcbo_Wdth 16\"; set MyFNGcbo_Hght 8\"; set MyFNGtbx_lngth 100; click MyFNGcmd_TLCY;"
            "is MyFNGtbx_TLCY 3.29; price 0 85; type MyFNGcbx_CPCY 60; click MyFNGcbx_CPCY; is MyFNGcbx_CPCY 85;"
            "click MyFNGcmd_TC; is MyFNGtbx_TC $279.65; set myADDSigntbx(6) 250; click Myfngcmd_send => sent;"
            "row 1 Footings|250|$279.65|$0.00;"
            // Return in an input presses the step after it, on a step or Send presses that.
            "put MyFNGtbx_TLCY; key MyFNGtbx_lngth Return; is MyFNGtbx_TLCY 3.29; put MyFNGtbx_TC;"
            "key MyFNGcmd_TC Return; is MyFNGtbx_TC $279.65; key myADDSigntbx(6) Return => sent;"
            "key Myfngcmd_send Return => sent; set MyFNGtbx_lngth 10001.5; click MyFNGcmd_TLCY => max;"
            "is MyFNGtbx_TLCY; is MyFNGtbx_TC $279.65; click MyFNGcmd_TC => missing; is MyFNGtbx_TC $279.65;"
            "price 0; click MyFNGcbx_CPCY; is MyFNGcbx_CPCY; open 8; row 1 Footings|$250.00|$279.65|$529.65;"
            "cell 17/2 $529.65");
        const QString pierSides = "pick:8\"|10\"|12\"|14\"|16\"|18\"|20\"|22\"|24\"";
        QTest::newRow("piers controls") << 1 << QString(
            "field MyPRScbo_Width " + pierSides + "; label Width>MyPRScbo_Width; field MyPRScbo_lngth " + pierSides +
            "; label Length>MyPRScbo_lngth; field MyPRScbo_Depth pick:" + span(8, 24, 2, "\"") + '|' +
            "30\"|32\"|36\"|40\"|48\"|60\"|72\"|84\"|96\"|108\"|120\"|132\"|144\"; label Depth>MyPRScbo_Depth;"
            "field MyPRStbx_Qnty pick:" + span(1, 25, 1, "") + "; label Enter Quantity Of Piers>MyPRStbx_Qnty;"
            "field MyPRStbx_CPY_TWO max 5; field MyPRStbx_TCY result; field MyPRStbx_TCOCY result;"
            "field MYPRScmd_TCY Cubic Yards; field MYPRScmd_TC Cost Of Material; label Enter Size Of Piers;"
            "label Enter Cost Per Cubic Yard" + posting(4, "MYPRScmd_Send", ""));
        QTest::newRow("piers") << 1 << QString(
            "set MyPRScbo_Width 12\"; set MyPRScbo_lngth 12\"; set MyPRScbo_Depth 48\"; set MyPRStbx_Qnty 4;"
            "click MYPRScmd_TCY; is MyPRStbx_TCY 0.59; price 0 85; type MyPRStbx_CPY_TWO 60;"
            "click MyPRStbx_CPY_TWO; is MyPRStbx_CPY_TWO 85; click MYPRScmd_TC; is MyPRStbx_TCOCY $50.15;"
            "set myADDSigntbx(4) 250; click MYPRScmd_Send => sent; set MyPRStbx_CPY_TWO 100015;"
            "is MyPRStbx_CPY_TWO 10001; click MYPRScmd_TC; is MyPRStbx_TCOCY $5,900.59;"
            "put MyPRStbx_CPY_TWO 10002; click MYPRScmd_TC => max; is MyPRStbx_TCOCY $5,900.59;"
            "put MyPRStbx_CPY_TWO $85; click MYPRScmd_TC => missing; is MyPRStbx_TCOCY $5,900.59;"
            "open 8; row 2 Piers|$250.00|$50.15|$300.15");
        QTest::newRow("flatwork controls") << 3 << QString(
            "field MyFWcbo_Thkns pick:2\"|3\"|3.5\"|4\"|5\"|5.5\"|6\"; label Enter Thickness of Concrete;"
            "field MyFWtbx_Lngth max 5; label Enter Length Of Area (In Ft.)>MyFWtbx_Lngth; field MyFWtbx_Wdth max 5;"
            "label Enter Width Of Area (In Ft.)>MyFWtbx_Wdth; field MyFWlbl_TSFt result;"
            "label Total Square Feet>MyFWlbl_TSFt; field MyFWtbx_CPCY max 5;"
            "label Enter Cost Per Cubic Yard>MyFWtbx_CPCY; field MyFWtbx_TLCY result; field MyFwtbx_TC result;"
            "field MyFWcmd_TLCY Cubic Yards; field MyFWcmd_TC Cost Of Material; field Option10(3) More Info" +
            posting(2, "MyFNGFWcmd_send", " "));
        QTest::newRow("flatwork") << 3 << QString(
            "set MyFWcbo_Thkns 4\"; set MyFWtbx_Lngth 20; set MyFWtbx_Wdth 10; click MyFWcmd_TLCY;"
            "is MyFWtbx_TLCY 2.48; is MyFWlbl_TSFt 200.; price 0 85; type MyFWtbx_CPCY 60; click MyFWtbx_CPCY;"
            "is MyFWtbx_CPCY 85; click MyFWcmd_TC; is MyFwtbx_TC $210.80;"
            // The start value of the labour field is posted; a second Send replaces the first.
            "click MyFNGFWcmd_send => sent; row 4 Flatwork|$0.00|$210.80|$0.00; set myADDSigntbx(2) 100;"
            "click MyFNGFWcmd_send => sent; set myADDSigntbx(2) 250; click MyFNGFWcmd_send => sent;"
            "put MyFWtbx_CPCY 1001; click MyFWcmd_TC => max; is MyFwtbx_TC; put MyFWtbx_Lngth abc;"
            "click MyFWcmd_TLCY => missing; is MyFWtbx_TLCY 2.48; is MyFWlbl_TSFt 200.; put MyFWtbx_Lngth 10002;"
            "click MyFWcmd_TLCY => max; is MyFWtbx_TLCY; is MyFWlbl_TSFt; put MyFWtbx_CPCY 85; click MyFWcmd_TC;"
            "is MyFwtbx_TC $0.00; click Option10(3) right; menu mnuPop 0; click Option10(3) middle; menu mnuPop 0;"
            "click Option10(3); menu mnuPop 1; act mnuPop/mnuPopNote => flatwork note; act mnuPop/mnuPopACovr;"
            "modal frmMYSQFTCoverage Sq. Ft. Area 1 C.Y. will cover; label Enter Thickness of Concrete;"
            "label Total Sq. Ft.; field MyFWsq2cycbx_thickness pick:1\"|2\"|3\"|3.5\"|4\"|5\"|5.5\"|6\"|" +
            span(7, 12, 1, "\"") + "; is MYACtbx_TSF; set MyFWsq2cycbx_thickness 5.5\";"
            "is MYACtbx_TSF 58.9090909090909; set MyFWsq2cycbx_thickness 4\"; is MYACtbx_TSF 81;"
            "set MyFWsq2cycbx_thickness => thickness; is MYACtbx_TSF 81; field MYSQFTfrmcmd_close Close;"
            "click MYSQFTfrmcmd_close; modal; act mnuPop/mnuPopACovr; is MYACtbx_TSF; click MYSQFTfrmcmd_close;"
            "open 8; row 4 Flatwork|$250.00|$210.80|$460.80");
        QTest::newRow("poured walls controls") << 6 << QString(
            "is page Poured Concrete Walls; field MyCWcbx_WH pick:" + span(2, 25, 1, "'") +
            "; label Enter Wall Height>MyCWcbx_WH; field MyCWcbx_WL edit:" + span(10, 75, 5, "'") + '|' +
            span(100, 300, 25, "'") + '|' + span(350, 500, 50, "'") + "; label Enter Wall Length>MyCWcbx_WL;"
            "field MyCWcbx_WT pick:3.5\"|4\"|5\"|5.5\"|6\"|7\"|7.5\"|8\"|9\"|9.5\"|10\"|11\"|11.5\"|12\";"
            "label Enter Wall Thickness>MyCWcbx_WT; field MyCWtbx_CPCY max 5; label Enter Cost Per Cubic Yard;"
            "field MyCWtbx_TQCY result; field MyCWtbx_TCOM result; field MYTQCUcmd Cubic Yards;"
            "field MYCYPLF Cost Of Material; field Option10(0) More Info" + posting(7, "MYCWcmd_Send", " "));
        QTest::newRow("poured walls") << 6 << QString(
            "shown page 1; status PRD Walls; set MyCWcbx_WH 8'; set MyCWcbx_WL 100'; set MyCWcbx_WT 8\";"
            "click MYTQCUcmd;"
            "is MyCWtbx_TQCY 19.84; price 0 85; is MyCWtbx_CPCY; put MyCWtbx_CPCY 70; click MyCWtbx_CPCY;"
            "is MyCWtbx_CPCY 85; click MYCYPLF; is MyCWtbx_TCOM $1,686.40; put myADDSigntbx(7);"
            "click MYCWcmd_Send => labour; focus myADDSigntbx(7); row 7 Poured Walls|$0.00|$0.00|$0.00;"
            // Another thickness keeps the cost until it is worked out again; Send posts it as it stands.
            "set MyCWcbx_WT 12\"; click MYTQCUcmd; is MyCWtbx_TQCY 29.76; is MyCWtbx_TCOM $1,686.40;"
            "type myADDSigntbx(7) 500; click MYCWcmd_Send => sent; row 7 Poured Walls|500|$1,686.40|$0.00;"
            "cell 14/2 $0.00; click MYCYPLF; is MyCWtbx_TCOM $2,529.60; set MyCWcbx_WL 5001;"
            "click MYTQCUcmd => max; is MyCWtbx_TQCY; is MyCWtbx_TCOM $2,529.60; put MyCWtbx_TQCY 19.84;"
            "put MyCWtbx_CPCY $85; click MYCYPLF => missing; is MyCWtbx_TCOM $2,529.60; put MyCWtbx_CPCY 10002;"
            "click MYCYPLF => max; is MyCWtbx_TCOM; click Option10(0) => wall note;"
            "click Option10(0) right => wall note; open 8; shown page 1;"
            "row 7 Poured Walls|$500.00|$1686.40|$2,186.40; cell 14/1 $500.00; cell 14/2 $1,686.40;"
            "cell 17/2 $2,186.40; row 1 Footings|$0.00|$0.00|$0.00");
        QTest::newRow("welded wire") << 4 << QString(
            "field MyFWWWtbx_Length max 5; field MyFWWWtbx_Width max 5; field MYWWtbx_CPRoll max 5;"
            "field MyFWWWtbx_TSF result; field MYWWlbl_PercentBox result; field MYWWlbl_TSQOW result;"
            "field MYWWtbx_TotalCost result; field MyWWcbo_size pick:100 '|150 '|500 '; is myADDSigntbx(3) $0.00;"
            "is MYWWtbx_CPRoll; price 4 45; set MyWWcbo_size 150 '; is MYWWtbx_CPRoll 45;"
            "set MyFWWWtbx_Length 30; set MyFWWWtbx_Width 20; click MyFWWWcmd_TSF; is MyFWWWtbx_TSF 600.;"
            "is MYWWlbl_PercentBox 690.; is MYWWlbl_TSQOW 0.92; click MYWWcmd_ToTCst; is MYWWtbx_TotalCost $41.40;"
            // Another roll is priced at once, but counted only by "Square Feet".
            "price 3 120; set MyWWcbo_size 500 '; is MYWWtbx_CPRoll 120; is MYWWlbl_TSQOW 0.92;"
            "click MyFWWWcmd_TSF; is MYWWlbl_TSQOW 0.28; price 5 50; set MyWWcbo_size 100 '; is MYWWtbx_CPRoll 50;"
            "put MYWWtbx_CPRoll 99; price 5; set MyWWcbo_size 100 '; is MYWWtbx_CPRoll; put myADDSigntbx(3);"
            "click MyFWWWcmd_SITS => labour; focus myADDSigntbx(3); type myADDSigntbx(3) 250;"
            "click MyFWWWcmd_SITS => sent; row 5 Welded Wire|250|$41.40|$0.00; only 5;"
            "set MyFWWWtbx_Length 10001; click MyFWWWcmd_TSF => max; is MyFWWWtbx_TSF; is MYWWlbl_PercentBox;"
            "is MYWWlbl_TSQOW; is MYWWtbx_TotalCost $41.40; click Option10(4) right; menu mnuPopww 0;"
            "click Option10(4); menu mnuPopww 1; act mnuPopww/mnuNote => wire note; act mnuPopww/mnuPAreaCOv;"
            "modal frmMYWWCoverage Sq.Ft. Coverage Area Of Welded Wire Roll; is MYAREAlbl_TotSF;"
            "checked MYAREAopt_100 0; checked MYAREAopt_150 0; checked MYAREAopt_500 0;"
            "field MYAREAopt_100 100 ' Roll; field MYAREAopt_150 150 '  Roll; field MYAREAopt_500 500 '  Roll;"
            "click MYAREAopt_100; is MYAREAlbl_TotSF 500 Sq.Ft.; click MYAREAopt_500; is MYAREAlbl_TotSF 2500 Sq.Ft.;"
            "click MYAREAopt_150; is MYAREAlbl_TotSF 750 Sq.Ft.; click MYfrmWWcmd_close; modal;"
            "act mnuPopww/mnuPAreaCOv; checked MYAREAopt_150 0; is MYAREAlbl_TotSF; click MYfrmWWcmd_close; modal");
        QTest::newRow("rebar") << 2 << QString(
            "field MYRBRcbo_Qnty pick:2|3|4|5|6; field MyRbrVcbx_OCD pick:" + span(2, 10, 2, "'") +
            "; field MyRbrVcbx_HOW pick:" + span(2, 16, 2, "'") + "; field MyRbrVcbx_LOW edit:" +
            span(10, 50, 5, "'") + "; field MyRbrRMcbx_LOM pick:" + span(12, 72, 12, "\"") +
            "; field MyRbrRMcbx_WOM pick:" + span(12, 72, 12, "\"") + "; field MyRbrRMcbx_DOC pick:" +
            span(2, 12, 2, "\"") + "; field MyRbrRMcbx_QOM edit:" + span(2, 30, 2, "") +
            "; field Option3(0) 1/2\"; field Option3(1) 5/8\"; field Option3(2) 3/4\"; field Option3(3) 1\";"
            "field Option3(4) 1 1/4\"; field MyRbrVtbx_CPLF max 5; is MyRbrVtbx_CPLF; is myADDSigntbx(1) $0.00;"
            // Horizontal bars show first; each kind shows its own frame, and the total and cost stay.
            "shown RBRFrame(0) 1; shown RBRFrame(1) 0; shown RBRFrame(2) 0; shown RBRFrame(4) 1; shown MyRbrtbx_TLF 1;"
            "set MyRbrtbx_TLF 100; set MYRBRcbo_Qnty 3; click MyRbrcmd_TQ; is MyRbrtbx_TQLF 300;"
            "click rbropt_visible(1); shown RBRFrame(0) 0; shown RBRFrame(1) 1; shown RBRFrame(2) 0;"
            "shown MyRbrtbx_TLF 0; shown MyRbrVcbx_OCD 1;"
            "set MyRbrVcbx_OCD 2'; set MyRbrVcbx_HOW 8'; set MyRbrVcbx_LOW 20'; click MyRbrVcmd_QLF;"
            "is MyRbrVtbx_QLF 80.00; click rbropt_visible(2); shown RBRFrame(1) 0; shown RBRFrame(2) 1;"
            "shown RBRFrame(4) 1; shown MyRbrVcbx_OCD 0; shown MyRbrRMcbx_LOM 1; set MyRbrRMcbx_LOM 36\";"
            "set MyRbrRMcbx_WOM 24\"; set MyRbrRMcbx_DOC 6\";"
            "set MyRbrRMcbx_QOM 2; click MyRbrRMcmd_QLF; is MyRbrRMtbx_QLF 46.72; click MyRbrVcmd_TtLLF;"
            "is MyRbrVtbx_TtlLF 426.72;"
            // Bar size i is priced by price-list entry 6 + i.
            "price 6 6.5; price 7 7.5; price 8 8.5; price 9 9.5; price 10 10.5; checked Option3(0) 0;"
            "click Option3(0); checked Option3(0) 1; is MyRbrVtbx_CPLF 6.5; put MyRbrVtbx_CPLF 9; click Option3(2);"
            "is MyRbrVtbx_CPLF 8.5; click Option3(3); is MyRbrVtbx_CPLF 9.5; click Option3(4); is MyRbrVtbx_CPLF 10.5;"
            "price 7 .45; click Option3(1); is MyRbrVtbx_CPLF .45; click MyRbrVcmd_TC; is MyRbrtVtbx_TC $192.02;"
            "put myADDSigntbx(1); click MyRbrRMcmd_STOS => labour; focus myADDSigntbx(1); type myADDSigntbx(1) 250;"
            "click MyRbrRMcmd_STOS => sent; row 3 Rebar|250|$192.02|$0.00; only 3; put MyRbrtbx_TQLF 100001;"
            "click MyRbrVcmd_TtLLF => max; is MyRbrtbx_TQLF; is MyRbrVtbx_QLF; is MyRbrRMtbx_QLF; is MyRbrVtbx_TtlLF;"
            "click rbropt_visible(0); shown RBRFrame(0) 1; shown RBRFrame(2) 0; click Option10(2) => rebar note;"
            "click Option10(2) right => rebar note");
        QTest::newRow("block") << 5 << QString(
            "field MyBLCKcbx_WallHght pick:" + span(2, 6, 1, "'") + '|' + span(8, 25, 1, "'") +
            "; field MyBLKtbx_length max 5; field MyBLKtbx_CPB max 5; field MyBLKtbx_TQ result;"
            "field MyBLKtbx_TC result; field BLCKopt(0) 8 x 8 x 16; field BLCKopt(1) 8 x 12 x 16;"
            // With no size chosen a click in the price leaves it; a size prices it, then every click does.
            "price 1 1.75; price 2 1.25; checked BLCKopt(0) 0; checked BLCKopt(1) 0; set MyBLKtbx_CPB 3;"
            "click MyBLKtbx_CPB; is MyBLKtbx_CPB 3; click BLCKopt(1); checked BLCKopt(1) 1; is MyBLKtbx_CPB 1.75;"
            "put MyBLKtbx_CPB 9; click MyBLKtbx_CPB; is MyBLKtbx_CPB 1.75; key BLCKopt(0) Space;"
            "checked BLCKopt(0) 1; is MyBLKtbx_CPB 1.25; price 2; click MyBLKtbx_CPB; is MyBLKtbx_CPB;"
            "set MyBLCKcbx_WallHght 8'; set MyBLKtbx_length 20; click MyBLKcmd_TQ; is MyBLKtbx_TQ 180;"
            "set MyBLKtbx_length 12.3; click MyBLKcmd_TQ; is MyBLKtbx_TQ 110.7; set MyBLKtbx_length 20;"
            "click MyBLKcmd_TQ; set MyBLKtbx_CPB 1.25; click MyBLKcmd_TC; is MyBLKtbx_TC $225.00;"
            "is myADDSigntbx(5) $0.00; put myADDSigntbx(5); click MyBLKcmd_Send => labour; focus myADDSigntbx(5);"
            "type myADDSigntbx(5) 250; click MyBLKcmd_Send => sent; row 6 Block|250|$225.00|$0.00; only 6;"
            "click Option10(5) right => block note");
        QTest::newRow("brick") << 7 << QString(
            "field myframe(19) Brick Calculator; field MyBrickcbo_Size pick:" + kBrickSizes +
            "; field MYBRICKcbo_HOW pick:" + span(2, 25, 1, "'") + "; field MYBricktbx_LOW max 5;"
            "field MyBRICKtxt_CstOfBrck max 5; field MyBrickLBL_persqft result; is MyBrickLBL_persqft;"
            "is myADDSigntbx(0) $0.00;"
            // Until a size is chosen, a click into the length asks for one.
            "click MYBricktbx_LOW => hint; focus MyBrickcbo_Size; click MYBricktbx_LOW right => hint;"
            "put myADDSigntbx(0); click MyBRICKcmd_Send => missing; focus MyBRICKcmd_Send;"
            "row 8 Brick|$0.00|$0.00|$0.00;"
            "set MyBRICKtxt_CstOfBrck 0.45; click MYBRICKcmd_TotalCost; is MYBRICKlbl_Ccost $0.00;"
            "set myADDSigntbx(0) 120; click MyBRICKcmd_Send => sent; row 8 Brick|120|$0.00|$0.00;"
            "set MyBrickcbo_Size 4 x 2-3/4 x 8; is MyBrickLBL_persqft 675; click MYBricktbx_LOW;"
            "set MYBricktbx_LOW 10; set MYBRICKcbo_HOW 3'; click MYBRICKcmd_SqFT; is MyBRICKlbl_CLCSqFt 30;"
            "is MyBRICKlbl_Count 203;"
            // Another size counts again at once, without rounding to whole bricks.
            "set MyBrickcbo_Size 4 x 3 x 8; is MyBrickLBL_persqft 563; is MyBRICKlbl_Count 168.9;"
            "set MyBrickcbo_Size 6 x 4 x 12; is MyBrickLBL_persqft 300; set MyBrickcbo_Size 4 x 3 x 8;"
            "click MYBRICKcmd_SqFT; is MyBRICKlbl_Count 169; set MyBRICKtxt_CstOfBrck 0.5;"
            "click MYBRICKcmd_TotalCost; is MYBRICKlbl_Ccost $84.50; click MyBRICKcmd_Send => sent;"
            "row 8 Brick|120|$84.50|$0.00; only 8; put MYBricktbx_LOW 10001; click MYBRICKcmd_SqFT => max;"
            "is MYBricktbx_LOW; is MyBRICKlbl_Count 169; click Option10(1) => brick note");
        QTest::newRow("labour field") << 0 << QString(
            "put myADDSigntbx(6); type myADDSigntbx(6) 1.2-3a$,4; is myADDSigntbx(6) 1234;"
            "key myADDSigntbx(6) Backspace;"
            "is myADDSigntbx(6) 123; key myADDSigntbx(6) Home, Del; is myADDSigntbx(6) 23;"
            "key myADDSigntbx(6) Ctrl+A; type myADDSigntbx(6) 7; type myADDSigntbx(6) 12345678901;"
            "is myADDSigntbx(6) 7123456789; put @clipboard; key myADDSigntbx(6) Ctrl+A, Ctrl+C;"
            "is @clipboard 7123456789; key myADDSigntbx(6) Ctrl+A, Ctrl+X; is myADDSigntbx(6);"
            "is @clipboard 7123456789; put myADDSigntbx(6) 12; put @clipboard 34; key myADDSigntbx(6) End, Ctrl+V;"
            "is myADDSigntbx(6) 1234; put @clipboard 12a; key myADDSigntbx(6) End, Ctrl+V; is myADDSigntbx(6) 1234;"
            "put @clipboard a; key myADDSigntbx(6) Home, Right, Ctrl+V; is myADDSigntbx(6) 1234;"
            "put @clipboard 5; key myADDSigntbx(6) Home, Right, Ctrl+V; is myADDSigntbx(6) 15234;"
            "put myADDSigntbx(6) $0.00; put @clipboard 1.5; key myADDSigntbx(6) Ctrl+A, Ctrl+V;"
            "is myADDSigntbx(6) $0.00; put @clipboard 450; key myADDSigntbx(6) Ctrl+A, Ctrl+V;"
            "is myADDSigntbx(6) 450; put myADDSigntbx(6) 5; key myADDSigntbx(6) End; type myADDSigntbx(6) 67;"
            "is myADDSigntbx(6) 567; key myADDSigntbx(6) Ctrl+Z; is myADDSigntbx(6) 5; put myADDSigntbx(6) 123;"
            "key myADDSigntbx(6) Home, Right, Del; type myADDSigntbx(6) 9; is myADDSigntbx(6) 193;"
            // A click while it holds its start value selects that, so typing replaces it.
            "put myADDSigntbx(6) $0.00; click myADDSigntbx(6); type myADDSigntbx(6) 400; is myADDSigntbx(6) 400;"
            "put myADDSigntbx(6) 25; click myADDSigntbx(6); type myADDSigntbx(6) 400; is myADDSigntbx(6) 25400");
        QTest::newRow("tab order") << 0 << QString("tabs; open 1; tabs; open 2; tabs; open 3; tabs; open 4; tabs;"
                                                   "open 5; tabs; open 6; tabs; open 7; tabs");
        // The user guide's garage from the keyboard alone, from the start page: the totals the guide shows.
        QTest::newRow("garage by keyboard") << -1 << QString(
            "command mnuPrceList; write 85; press Tab; write 1.60; press Tab; write 1.25; press Tab; write 120;"
            "press Tab; write 45; press Tab; write 32; press Tab; write .45; press Tab; write .70; press Tab;"
            "write .95; press Tab; write 1.60; press Tab; write 2.45; press Escape;"
            "press Ctrl+1; pick 16\"; tab MyFNGcbo_Hght; pick 8\"; tab MyFNGtbx_lngth; write 100; press Return;"
            "tab MyFNGcbx_CPCY; write 85; press Return; tab myADDSigntbx(6); write 450; press Return => sent;"
            "press Ctrl+2; pick 12\"; tab MyPRScbo_lngth; pick 12\"; tab MyPRScbo_Depth; pick 48\";"
            "tab MyPRStbx_Qnty; pick 4; press Return; tab MyPRStbx_CPY_TWO; write 85; press Return;"
            "tab myADDSigntbx(4); write 200; press Return => sent;"
            // Rebar: horizontal, vertical (a typed length), mats, then the total priced by size.
            "press Ctrl+3; tab MyRbrtbx_TLF; write 100; tab MYRBRcbo_Qnty; pick 2; press Return;"
            "backtab rbropt_visible(0); press Right; tab MyRbrVcbx_OCD; pick 2'; tab MyRbrVcbx_HOW; pick 4';"
            "tab MyRbrVcbx_LOW; write 100; press Return; backtab rbropt_visible(1); press Right;"
            "tab MyRbrRMcbx_LOM; pick 24\"; tab MyRbrRMcbx_WOM; pick 24\"; tab MyRbrRMcbx_DOC; pick 6\";"
            "tab MyRbrRMcbx_QOM; pick 4; press Return; tab Option3(0); press Space; tab MyRbrVcmd_TtLLF;"
            "press Return; tab MyRbrVtbx_CPLF; press Return; tab myADDSigntbx(1); write 250; press Return => sent;"
            "press Ctrl+4; pick 4\"; tab MyFWtbx_Lngth; write 30; tab MyFWtbx_Wdth; write 20; press Return;"
            "tab MyFWtbx_CPCY; write 85; press Return; tab myADDSigntbx(2); write 900; press Return => sent;"
            // Welded wire: the roll size brings its price; Send pressed with Space.
            "press Ctrl+5; pick 150 '; tab MyFWWWtbx_Length; write 30; tab MyFWWWtbx_Width; write 20;"
            "press Return; tab MYWWtbx_CPRoll; press Return; tab myADDSigntbx(3); write 100; tab MyFWWWcmd_SITS;"
            "press Space => sent;"
            // Block: the size brings its price.
            "press Ctrl+6; pick 4'; tab MyBLKtbx_length; write 100; press Return; tab BLCKopt(0); press Space;"
            "tab MyBLKtbx_CPB; press Return; tab myADDSigntbx(5); write 1200; press Return => sent;"
            "press Ctrl+7; pick 4'; tab MyCWcbx_WL; pick 30'; tab MyCWcbx_WT; pick 8\"; press Return;"
            "tab MyCWtbx_CPCY; write 85; press Return; tab myADDSigntbx(7); write 600; press Return => sent;"
            "press Ctrl+8; pick 4 x 2-3/4 x 8; tab MYBricktbx_LOW; write 20; tab MYBRICKcbo_HOW; pick 8';"
            "press Return; tab MyBRICKtxt_CstOfBrck; write .45; press Return; tab myADDSigntbx(0); write 800;"
            "press Return => sent; press Ctrl+9; status Totals; row 1 Footings|$450.00|$279.65|$729.65;"
            "row 2 Piers|$200.00|$50.15|$250.15; row 3 Rebar|$250.00|$206.45|$456.45;"
            "row 4 Flatwork|$900.00|$632.40|$1,532.40; row 5 Welded Wire|$100.00|$41.40|$141.40;"
            "row 6 Block|$1200.00|$562.50|$1,762.50; row 7 Poured Walls|$600.00|$253.30|$853.30;"
            "row 8 Brick|$800.00|$486.00|$1,286.00; cell 14/1 $4,500.00; cell 14/2 $2,511.85; cell 17/2 $7,011.85;"
            "press Ctrl+0; status Text Editor");
    }

    void pages()
    {
        QFETCH(int, page);
        QFETCH(QString, script);
        PageDriver(page).run(script);
    }

    // The cells are written only once the notice is closed.
    void sendWritesAfterTheNotice()
    {
        PageDriver driver(5);
        driver.run("put MyBLKtbx_TQ 180; put MyBLKtbx_TC $225.00; put myADDSigntbx(5) 9");
        MainWindow *window = driver.window();
        QString materialWhileShown;
        auto watch = TestSupport::onNextModalWidget([&](QWidget *box) {
            materialWhileShown = window->totalsGrid()->cell(6, 2);
            qobject_cast<QMessageBox *>(box)->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(window->page(5)->findChild<QPushButton *>("MyBLKcmd_Send"), Qt::LeftButton);
        QCOMPARE(materialWhileShown, QStringLiteral("$0.00"));
        QCOMPARE(window->totalsGrid()->cell(6, 2), QStringLiteral("$225.00"));
    }
};

MORTARIX_TEST_MAIN(TestCalculatorPages)
#include "tst_calculatorpages.moc"
