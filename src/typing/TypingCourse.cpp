#include "typing/TypingCourse.h"

#include <algorithm>
#include <array>

namespace typing {

namespace {

QStringList times(const QString& line, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << line;
    return lines;
}

// Heading, its underline of dashes, a blank line, then the body.
QStringList page(const QString& heading, const QStringList& body)
{
    return QStringList{heading, QString(heading.size(), QLatin1Char('-')), QString()} + body;
}

KeyCap key(const char* caption, Finger finger, Hand hand, bool underlined = false)
{
    return KeyCap{QString::fromLatin1(caption), finger, hand, underlined};
}

// Four left-hand keys (little to index), the centre pair, then four
// right-hand keys (index to little): the order they lie on the keyboard.
QList<KeyCap> strip(const char* left[4], const char* centre[2], const char* right[4],
                    bool markHomeKeys = false)
{
    const Finger leftFingers[4] = {Finger::Little, Finger::Ring, Finger::Middle, Finger::Index};
    const Finger rightFingers[4] = {Finger::Index, Finger::Middle, Finger::Ring, Finger::Little};
    QList<KeyCap> keys;
    for (int i = 0; i < 4; ++i)
        keys << key(left[i], leftFingers[i], Hand::Left, markHomeKeys && i == 3);
    keys << key(centre[0], Finger::Index, Hand::Left) << key(centre[1], Finger::Index, Hand::Right);
    for (int i = 0; i < 4; ++i)
        keys << key(right[i], rightFingers[i], Hand::Right, markHomeKeys && i == 0);
    return keys;
}

QList<KeyCap> homeRow()
{
    const char* left[4] = {"A", "S", "D", "F"};
    const char* centre[2] = {"G", "H"};
    const char* right[4] = {"J", "K", "L", "'?'"};
    return strip(left, centre, right, true);
}

QList<KeyCap> topRow()
{
    const char* left[4] = {"Q", "W", "E", "R"};
    const char* centre[2] = {"T", "Y"};
    const char* right[4] = {"U", "I", "O", "P"};
    return strip(left, centre, right);
}

QList<KeyCap> bottomRow()
{
    const char* left[4] = {"Z", "X", "C", "V"};
    const char* centre[2] = {"B", "N"};
    const char* right[4] = {"M", ",", ".", "/"};
    return strip(left, centre, right);
}

QList<KeyCap> numberRow()
{
    const char* left[4] = {"1", "2", "3", "4"};
    const char* centre[2] = {"5", "6"};
    const char* right[4] = {"7", "8", "9", "0"};
    return strip(left, centre, right);
}

QStringList day1Drill()
{
    return times("fff jjj fff jjj fff jjj ddd kkk ddd kkk ddd kkk", 3)
         + times("sss lll sss lll sss lll aaa lkj aaa lkj aaa ljk", 3)
         + times("fjf kdk lsl als fjf kdk lsl als fjf kdk lsl als", 3)
         + times("dfd jkj dfd jkj dfd jkj sla lal ala als jdf skd", 3)
         + times("kds lkd afl dkj asd jkl dks dlf ajd fkd laf jgs", 3);
}

QStringList day2Drill()
{
    return times("ffff jjjj gggg hhhh dddd kkkk gggg hhhh ssss llll", 3)
         + times("fghj fghj fghj fghj jghf jghf jghf kdgh kdhg fjgh", 3)
         + times("alal ghgh sksk ghgh dkdk ghgh fkfk hghg fghj jhgf", 3)
         + times("ghdj gkjf hksh lsha aghg ghsk jahf jkfs ghsj jghd", 3)
         + times("sash dash gash hash lash sash dash gash hash lash", 3);
}

QStringList day3Drill()
{
    return times("rrr uuu rrr uuu rrr uuu eee iii eee iii eee iii", 3)
         + times("www ooo www ooo www ooo qqq ppp qqq ppp qqq ppp", 3)
         + times("rur iei owo pqp rur iei owo pqp rur iei owo pqp", 3)
         + times("ere uiu ere iui ere iui wow wow wow wow wow wow", 3)
         + QStringList{"poe wer iwo rui owi wer qur owi eir uei oii urq",
                       "eiq oop eur iew owu qwp owi eur owi oeq uwo prq",
                       "wue qwo poi erw ieo pqu owu ieu orw oiu wie opu"};
}

QStringList day4Drill()
{
    return times("rrrr uuuu tttt yyyy eeee iiii tttt yyyy wwww oooo", 3)
         + times("rtuy rtuy rtuy rtuy yutr yutr yutr yutr yutr yutr", 3)
         + times("rope pope hope soap posh ride hide side load hype", 3)
         + times("lash rash gash hash dash sash wash shot toad type", 3)
         + times("quad rate gate date late port wall tall fall quip", 3);
}

QStringList day5Drill()
{
    return times("vvv mmm vvv mmm vvv mmm ccc ,,, ccc ,,, ccc ,,,", 3)
         + times("xxx ... xxx ... xxx ... zzz /// zzz /// zzz ///", 3)
         + times("vnv mcm ,x, z.z vnv mcm ,x, z.z vnv mcm ,x, z.z", 3)
         + times("cvc m,m cvc m,m cvc m,m cvc m,m cvc m,m cvc m,m", 3)
         + QStringList{"z,x /., cvm .x, .cm .,c .mx .cv ,mv x,c mv. zxc",
                       ".,m xcv .x, cvc z.x m,m x,c .vm xcm .xc ,c, /z/",
                       "/z/ .x. ,cm .x/ ,c, .xm zxc ,m. cvm xcv .,m zxc"};
}

QStringList day6Drill()
{
    return times("vvvv mmmm bbbb nnnn cccc ,,,, xxxx .... zzzz ////", 3)
         + times("vbmn vbmn vbmn vbmn nmbv nmbv nmbv nmbv nmbv nmbv", 3)
         + times("vend band vest pack quin thin brat nice vice zip.", 3)
         + times("bash nash cash mash nest best jest kind find mind", 3)
         + QStringList{"zest melt belt celt deal teal call bind wind wynd",
                       "last mast cast fast past vast zing xing ming sing",
                       "ping wing ding bang sang fang gang tang pang end."};
}

QStringList day7Drill()
{
    return times("0000 1111 9999 2222 8888 3333 7777 4444 6666 5555", 3)
         + times("2123 7890 3847 4948 0129 0385 9342 9043 0984 9842", 3)
         + times("7438 9348 0122 3084 9034 8594 9820 9204 9837 9484", 3)
         + times("8394 9045 0928 2040 9828 0942 9832 5827 9427 0542", 3)
         + QStringList{"1032 4944 9517 4984 0549 8389 5098 4093 0293 9484"};
}

// The exam: from the first stave of Charles Dickens's "A Christmas Carol"
// (1843). Broken so that no line is wider than the box; the trailing spaces
// belong to the text and have to be typed.
QStringList examText()
{
    return {
        "You will therefore permit me to repeat, emphatically, that Marley",
        "was as dead as a door-nail.  Scrooge knew he was dead?  Of course",
        "he did.  How could it be otherwise?  Scrooge and he were partners",
        "for I don't know how many years.  Scrooge was his sole executor,",
        "his sole administrator, his sole assign, his sole residuary",
        "legatee, his sole friend, and sole mourner.  And even Scrooge",
        "was not so dreadfully cut up by the sad event, but that he was",
        "an excellent man of business on the very day of the funeral, and ",
        "solemnised it with an undoubted bargain.  The mention of Marley's ",
        "funeral brings me back to the point I started from.  There is no ",
        "doubt that Marley was dead.  This must be distinctly understood, ",
        "or nothing wonderful can come of the story I am going to ",
        "relate.",
    };
}

QStringList day1Page()
{
    return page("Welcome to Tapwell Professional!", {
        "This course teaches you to touch type, using all ten fingers,",
        "in just 8 days.  It can also test your speed and accuracy and,",
        "once you have passed the final exam, print a certificate.",
        "",
        "THE HOME KEYS",
        "",
        "Every key is struck by one finger, and each finger returns to",
        "its own home key after every stroke.  Place your hands like",
        "this:",
        "",
        "  Left hand:  little finger on A, ring finger on S,",
        "              middle finger on D, index finger on F.",
        "  Right hand: index finger on J, middle finger on K,",
        "              ring finger on L, and the little finger on the",
        "              key to the right of L (this key varies between",
        "              keyboards).",
        "",
        "Feel the F and J keys: they carry small raised marks, so that",
        "your index fingers can find home without you looking down.",
        "Your right thumb rests on, and presses, the space bar.",
        "",
        "HOW THE LESSONS WORK",
        "",
        "Click Start and the exercise appears.  Each character is",
        "highlighted in turn as the one to type next.  The cursor does",
        "not move on until you press the correct key, so a wrong key",
        "has to be put right at once.  The clock only starts with your",
        "first key, so take your time to settle your hands first.",
        "",
        "Aim for accuracy first.  Speed comes with practice, and a fast",
        "typist who makes mistakes is slower in the end than a steady",
        "one who makes none.  Keep your eyes on the screen, not on",
        "your fingers.",
        "",
        "Repeat each day's exercise until you are satisfied with the",
        "result, then move on to day 2 with the right arrow below.",
        "",
        "Good luck!",
    });
}

const std::array<CourseDay, DayCount>& course()
{
    static const std::array<CourseDay, DayCount> days = {{
        {1, "Day 1 : The Home Keys", homeRow(), day1Page(), day1Drill(), 127, 545},
        {2, "Day 2 : Mastering the Middle Row", homeRow(),
         page("Day 2: Mastering the Middle Row", {
             "Today you add the two keys in the middle of the home row.",
             "",
             "G is struck by your left index finger, moving one key to the",
             "right from F.  H is struck by your right index finger, moving",
             "one key to the left from J.",
             "",
             "Only the index finger moves: keep your other fingers resting",
             "over their home keys, and bring the index finger back to F or",
             "J as soon as the key has been struck.",
         }),
         day2Drill(), 110, 545},
        {3, "Day 3 : Introducing the Top Row", topRow(),
         page("Day 3: Introducing the Top Row", {
             "Today your fingers reach up to the top row of letters.",
             "",
             "Q, W, E and R are struck by your left little, ring, middle",
             "and index fingers.  U, I, O and P are struck by your right",
             "index, middle, ring and little fingers.",
             "",
             "Each of these keys lies above and slightly to the left of",
             "the home key of the finger that strikes it.  Reach up with",
             "one finger only, keep the others over their home keys, and",
             "return to the home row after every key.",
         }),
         day3Drill(), 110, 545},
        {4, "Day 4 : Mastering the Top Row", topRow(),
         page("Day 4: Mastering the Top Row", {
             "Today you complete the top row with its two middle keys.",
             "",
             "T is struck by your left index finger, travelling up and to",
             "the right from F.  Y is struck by your right index finger,",
             "travelling up and a long way to the left from J.",
             "",
             "The drill now builds real words.  Keep a steady rhythm and",
             "let your fingers find their way home after each word.",
         }),
         day4Drill(), 110, 545},
        {5, "Day 5 : Introducing the Bottom Row", bottomRow(),
         page("Day 5: Introducing the Bottom Row", {
             "Today your fingers reach down to the bottom row.",
             "",
             "Z, X, C and V are struck by your left little, ring, middle",
             "and index fingers.  M, the comma, the full stop and the",
             "slash are struck by your right index, middle, ring and",
             "little fingers.",
             "",
             "Each of these keys lies below and slightly to the right of",
             "the home key of the finger that strikes it.  Curl the finger",
             "down without moving your hand, and bring it back home.",
         }),
         day5Drill(), 110, 545},
        {6, "Day 6 : Mastering the Bottom Row", bottomRow(),
         page("Day 6: Mastering the Bottom Row", {
             "Today you complete the bottom row with its two middle keys.",
             "",
             "B is struck by your left index finger, travelling down and",
             "to the right from F.  N is struck by your right index finger,",
             "travelling down and a long way to the left from J.",
             "",
             "With these two keys you have learnt every letter of the",
             "alphabet.  Well done!",
         }),
         day6Drill(), 110, 545},
        {7, "Day 7 : Number keys", numberRow(),
         page("Day 7: Number keys", {
             "The number keys lie in the row above the top letter row.",
             "Reach them by stretching each finger up from its home key,",
             "and return home after every number.",
             "",
             "Many keyboards also have a numeric keypad on the right.  On",
             "the keypad your right hand rests on 4, 5 and 6 with the",
             "index, middle and ring fingers.  The thumb presses 0 and the",
             "little finger presses Enter.",
         }),
         day7Drill(), 110, 545},
        {8, "Day 8 : The Final Exam", {},
         page("Day 8: The Final Exam", {
             "This is the final exam of the course.  You may sit it as",
             "often as you wish.",
             "",
             "Type the passage as quickly and as accurately as you can.",
             "Do not try to memorise the text: read it as you type it.",
             "Capitals and punctuation count, so use the Shift keys.",
             "",
             "When you are satisfied with your result, print your",
             "certificate from the results window.",
             "",
             "Thank you for following this course.",
         }),
         examText(), 12, 745},
    }};
    return days;
}

} // namespace

const CourseDay& courseDay(int day)
{
    return course()[std::clamp(day, 1, DayCount) - 1];
}

QString exerciseText(int day)
{
    QString text;
    for (const QString& line : courseDay(day).drillLines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString instructionText(int day)
{
    return courseDay(day).instructions.join(QStringLiteral("\r\n"));
}

QString fingerHint(Finger finger, Hand hand)
{
    static const char* const names[] = {"Little", "Ring", "Middle", "Index"};
    return QStringLiteral("%1 finger (%2 Hand)")
        .arg(QLatin1String(names[int(finger)]),
             hand == Hand::Left ? QStringLiteral("Left") : QStringLiteral("Right"));
}

} // namespace typing
