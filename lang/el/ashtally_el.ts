<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>MailComposer</name>
    <message>
        <source>The mail program could not be started: the command &quot;%1&quot; was not found or cannot be run. Install xdg-utils (it provides xdg-email) or set up a mail program.</source>
        <translation>Δεν ήταν δυνατό να ξεκινήσει το πρόγραμμα αλληλογραφίας: η εντολή «%1» δεν βρέθηκε ή δεν μπορεί να εκτελεστεί. Εγκαταστήστε το xdg-utils (περιέχει το xdg-email) ή ρυθμίστε ένα πρόγραμμα αλληλογραφίας.</translation>
    </message>
    <message>
        <source>A file to attach was not found, so the message was not prepared.</source>
        <translation>Δεν βρέθηκε ένα αρχείο προς επισύναψη, γι&apos; αυτό το μήνυμα δεν ετοιμάστηκε.</translation>
    </message>
    <message>
        <source>No mail program is set up on this desktop. Set up a mail program and try again.</source>
        <translation>Δεν έχει ρυθμιστεί πρόγραμμα αλληλογραφίας σε αυτή την επιφάνεια εργασίας. Ρυθμίστε ένα πρόγραμμα αλληλογραφίας και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>The mail program could not open a new message.</source>
        <translation>Το πρόγραμμα αλληλογραφίας δεν μπόρεσε να ανοίξει νέο μήνυμα.</translation>
    </message>
    <message>
        <source>A file to attach cannot be read, so the message was not prepared.</source>
        <translation>Ένα αρχείο προς επισύναψη δεν μπορεί να διαβαστεί, γι&apos; αυτό το μήνυμα δεν ετοιμάστηκε.</translation>
    </message>
    <message>
        <source>The mail program could not prepare the message (%1 ended with exit code %2).</source>
        <translation>Το πρόγραμμα αλληλογραφίας δεν μπόρεσε να ετοιμάσει το μήνυμα (το %1 τερματίστηκε με κωδικό εξόδου %2).</translation>
    </message>
    <message>
        <source>The mail program stopped unexpectedly (%1); the message was not prepared.</source>
        <translation>Το πρόγραμμα αλληλογραφίας σταμάτησε απροσδόκητα (%1)· το μήνυμα δεν ετοιμάστηκε.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>&lt;DiffInHours&gt; hours nicotine free|Way to go! You just need another &lt;72-DiffInHours&gt; hours for your physical addiction to end!</source>
        <translation>&lt;DiffInHours&gt; ώρες χωρίς νικοτίνη!|Μπράβο! Χρειάζεσαι ακόμα μόνο &lt;72-DiffInHours&gt; ώρες για να παύσει η σωματική εξάρτησή σου στο τσιγάρο!</translation>
    </message>
    <message>
        <source>&lt;CigPerDay*DiffInDays&gt; not smoked|Congratulation &lt;name&gt;! You have not smoked &lt;CigPerDay*DiffInDays&gt; death sticks!</source>
        <translation>&lt;CigPerDay*DiffInDays&gt; τσιγάρα δεν καπνίστηκαν|Συγχαρητήρια &lt;name&gt;! Έχεις αποφύγει το κάπνισμα &lt;CigPerDay*DiffInDays&gt; τσιγάρων!</translation>
    </message>
    <message>
        <source>&lt;MoneySaved&gt; saved|Way to go &lt;name&gt;! You have saved up &lt;MoneySaved&gt;</source>
        <translation>&lt;MoneySaved&gt; κέρδος|Μπράβο &lt;name&gt;! Δεν έχεις ξοδέψει &lt;MoneySaved&gt; σε τσιγάρα!</translation>
    </message>
    <message>
        <source>&lt;lifetext&gt; of life saved|Wow &lt;name&gt;! By not smoking you have saved &lt;lifetext&gt; of your life!</source>
        <translation>&lt;lifetext&gt; ζωής κερδος|Συγχαρητήρια &lt;name&gt;! Κόβοντας το τσιγάρο, έχεις σώσει &lt;lifetext&gt; από τη ζωή σου!</translation>
    </message>
    <message>
        <source>&lt;DiffInDays&gt; days quit|Great going &lt;name&gt;! You&apos;ve been quit &lt;DiffInDays&gt; days!</source>
        <translation>&lt;DiffInDays&gt; ημέρες χωρίς τσιγάρο|Συγχαρητήρια &lt;name&gt;! Έχεις κόψει το τσιγάρο για &lt;DiffInDays&gt; ημέρες!</translation>
    </message>
    <message>
        <source>&lt;DiffInMonths&gt; months quit|Great going &lt;name&gt;! You&apos;ve been quit &lt;DiffInMonths&gt; months!</source>
        <translation>&lt;DiffInMonths&gt; μήνες χωρίς τσιγάρο|Μπράβο &lt;name&gt;! Έχεις κόψει το τσιγάρο για &lt;DiffInMonths&gt; μήνες!</translation>
    </message>
    <message>
        <source>&lt;DiffInYears&gt; years quit|Happy anniversity &lt;name&gt;! You&apos;ve been quit &lt;DiffInYears&gt; years!</source>
        <translation>&lt;DiffInYears&gt; χρόνια χωρίς τσιγάρο|Καλή επέτειο &lt;name&gt;! Σήμερα συμπληρώνεις &lt;DiffInYears&gt; χρόνια χωρίς τσιγάρο!</translation>
    </message>
    <message>
        <source>Make a list of the reasons you have quit smoking. Come back to this page afterwards, whenever you need reinforcement.</source>
        <translation>Κάνε μια λίστα εδώ με τους λόγους για τους οποίους έκοψες το τσιγάρο. Ξαναδιάβασέ τους ύστερα όποτε χρειάζεσαι συμπαράσταση.</translation>
    </message>
    <message>
        <source>My name is &lt;name&gt;, and I am a nicotine addict.<byte value="xd"/>
I have stopped nicotine for &lt;spantext&gt; (&lt;TRUNC(DiffInDays)&gt; days).<byte value="xd"/>
<byte value="xd"/>
I&apos;ve not smoked &lt;CigPerDay*DiffInDays&gt; death sticks, and saved &lt;moneysaved&gt;.<byte value="xd"/>
I&apos;ve saved &lt;lifetext&gt; of my life.<byte value="xd"/>
</source>
        <translation>Με λένε &lt;name&gt;, και είμαι εξαρτημένος/η στη νικοτίνη.<byte value="xd"/>
Έχω σταματήσει το κάπνισμα για &lt;spantext&gt; (&lt;TRUNC(DiffInDays)&gt; ημέρες).<byte value="xd"/>
<byte value="xd"/>
Δεν έχω καπνίσει &lt;CigPerDay*DiffInDays&gt; τσιγάρα, και έχω κερδίσει &lt;moneysaved&gt;.<byte value="xd"/>
<byte value="xd"/>
Έχω σώσει &lt;lifetext&gt; από τη ζωή μου.</translation>
    </message>
    <message>
        <source>&lt;Name&gt; - Free and Healing for &lt;spantext01110001&gt;, while extending my life expectancy &lt;lifetext010001&gt;, by avoiding the use of &lt;CigPerDay*DiffInDays&gt; nicotine delivery devices that would have cost me &lt;moneysaved&gt;.</source>
        <translation>&lt;Name&gt; - Ελεύθερος εδώ και &lt;spanshorttext&gt;, αυξάνοντας τη ζωή μου κατά &lt;lifetext&gt;, με την αποφυγή &lt;CigPerDay*DiffInDays&gt; δόσεων νικοτίνης που θα μου κόστιζαν &lt;moneysaved&gt;.</translation>
    </message>
    <message>
        <source>days</source>
        <translation>ημέρες</translation>
    </message>
    <message>
        <source>day</source>
        <translation>ημέρα</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ώρες</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ώρα</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>λεπτά</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>λεπτό</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>δευτερόλεπτα</translation>
    </message>
    <message>
        <source>second</source>
        <translation>δευτερόλεπτο</translation>
    </message>
    <message>
        <source>and</source>
        <translation>και</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Χρήστη</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Φίλε</translation>
    </message>
    <message>
        <source>I have not quit yet.</source>
        <translation>Δέν έχω κόψει ακόμα το τσιγάρο</translation>
    </message>
    <message>
        <source>No milestone right now, but here is something just to keep you going...</source>
        <translation>Δεν υπάρχει καμιά γιορτή σήμερα, αλλά να κάτι για να συνεχίσεις την προσπάθεια...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove &quot;%s&quot; from list?</source>
        <translation>Σίγουρα θέλετε να αφαιρεθεί το όνομα %s από τη λίστα;</translation>
    </message>
    <message>
        <source>Click here to view your statistics. Right click to copy your statistics to the clipboard.</source>
        <translation>Πατήστε στο εικονίδιο για στατιστικά στοιχεία. Πατήστε με δεξί-κλικ για επικόλληση στατιστικών στο πρόχειρο.</translation>
    </message>
    <message>
        <source>The following has been copied to the clipboard:</source>
        <translation>Τα παρακάτω επικολλήθηκαν στο πρόχειρο:</translation>
    </message>
    <message>
        <source>years</source>
        <translation>χρόνια</translation>
    </message>
    <message>
        <source>year</source>
        <translation>χρόνο</translation>
    </message>
    <message>
        <source>months</source>
        <translation>μήνες</translation>
    </message>
    <message>
        <source>month</source>
        <translation>μήνα</translation>
    </message>
</context>
<context>
    <name>UnreadLines</name>
    <message>
        <source>Some lines of %1 could not be read and will be kept as they are:</source>
        <translation>Ορισμένες γραμμές του %1 δεν ήταν δυνατό να διαβαστούν και θα διατηρηθούν όπως είναι:</translation>
    </message>
    <message>
        <source> line %1: %2</source>
        <translation> γραμμή %1: %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> και %1 ακόμη</translation>
    </message>
</context>
<context>
    <name>ashtally::AboutPage</name>
    <message>
        <source>Programming:</source>
        <translation>Προγραμματισμός:</translation>
    </message>
    <message>
        <source>English translation:</source>
        <translation>Ελληνική έκδοση:</translation>
    </message>
    <message>
        <source>The Ashtally developers</source>
        <translation>Οι δημιουργοί του Ashtally</translation>
    </message>
    <message>
        <source>Project page</source>
        <translation>Σελίδα του έργου</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Γράψτε μας</translation>
    </message>
    <message>
        <source>Ashtally is offered in the hope that it helps you stay quit. It comes without any warranty: its authors take no responsibility for any harm or loss that may come from using it. It is no medical advice; please talk to your doctor about your health.

The pictures in the &quot;images&quot; folder were made for this program and are believed free to use. If you created a picture found there and would like it removed or credited, please get in touch.

The quit-smoking resources this program links to had no part in making it; they are listed because their help has meant a lot to many people who quit.</source>
        <translation>Το Ashtally προσφέρεται με την ελπίδα ότι θα σας βοηθήσει να μείνετε μακριά από το τσιγάρο. Διατίθεται χωρίς καμία εγγύηση: οι δημιουργοί του δεν φέρουν καμία ευθύνη για οποιαδήποτε βλάβη ή απώλεια προκύψει από τη χρήση του. Δεν αποτελεί ιατρική συμβουλή· για την υγεία σας, μιλήστε με τον γιατρό σας.

Οι εικόνες του φακέλου «images» φτιάχτηκαν για αυτό το πρόγραμμα και θεωρούνται ελεύθερες για χρήση. Αν κάποια από αυτές είναι δική σας δημιουργία και θέλετε να αφαιρεθεί ή να αναφέρεται το όνομά σας, επικοινωνήστε μαζί μας.

Οι πηγές βοήθειας για τη διακοπή του καπνίσματος στις οποίες παραπέμπει το πρόγραμμα δεν πήραν μέρος στη δημιουργία του· αναφέρονται επειδή η βοήθειά τους έχει σημάνει πολλά για πολλούς ανθρώπους που έκοψαν το τσιγάρο.</translation>
    </message>
</context>
<context>
    <name>ashtally::Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Άγνωστο σφάλμα</translation>
    </message>
</context>
<context>
    <name>ashtally::BuddiesPage</name>
    <message>
        <source>Name:</source>
        <translation>Όνομα (γενική κλίση):</translation>
    </message>
    <message>
        <source>Quit date:</source>
        <translation>Ημέρα κοψίματος:</translation>
    </message>
    <message>
        <source>Cigaretes smoked each day:</source>
        <translation>Τσιγάρα που κάπνιζε την ημέρα:</translation>
    </message>
    <message>
        <source>Cigaretes per pack:</source>
        <translation>Τσιγάρα ανά πακέτο:</translation>
    </message>
    <message>
        <source>Cost of each pack:</source>
        <translation>Τιμή πακέτου:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Add quit buddy</source>
        <translation>Νέος φίλος/η</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Αφαίρεση από λίστα</translation>
    </message>
</context>
<context>
    <name>ashtally::EmailPage</name>
    <message>
        <source>Milestones to celebrate today:</source>
        <translation>Γιορτές φίλων σήμερα</translation>
    </message>
    <message>
        <source>Prepare selected email</source>
        <translation>Προετοιμασία e-mail</translation>
    </message>
</context>
<context>
    <name>ashtally::LinksPage</name>
    <message>
        <source>Links:</source>
        <translation>Ιστοσελίδες:</translation>
    </message>
</context>
<context>
    <name>ashtally::MilestoneOptionsPage</name>
    <message>
        <source>First 72 hours not smoked</source>
        <translation>Πρώτες 72 ώρες:</translation>
    </message>
    <message>
        <source>Cigarettes not smoked, every:</source>
        <translation>Τσιγάρα που αποφεύχθηκαν, ανά:</translation>
    </message>
    <message>
        <source>Money saved, each:</source>
        <translation>Χρήματα που δεν ξοδέψαμε, ανα:</translation>
    </message>
    <message>
        <source>interest rate %</source>
        <translation>επιτόκιο %</translation>
    </message>
    <message>
        <source>Life saved, every:</source>
        <translation>Ζωή κερδισμένη, ανά:</translation>
    </message>
    <message>
        <source>days</source>
        <translation>ημέρες</translation>
    </message>
    <message>
        <source>Min/cig not smoked:</source>
        <translation>Λεπτά κέρδος/τσιγ.:</translation>
    </message>
    <message>
        <source>Days quit, every:</source>
        <translation>Ανά ημέρες χωρίς τσιγάρο:</translation>
    </message>
    <message>
        <source>Months quit, every:</source>
        <translation>Ανά μήνες χωρίς τσιγάρο:</translation>
    </message>
    <message>
        <source>Annual quit date</source>
        <translation>Ανά έτος:</translation>
    </message>
    <message>
        <source>Set Defaults</source>
        <translation>Χρησιμοποίηση προεπιλογών</translation>
    </message>
</context>
<context>
    <name>ashtally::MilestonesModel</name>
    <message>
        <source>Who</source>
        <translation>Ποιός</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Πότε</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Πού</translation>
    </message>
</context>
<context>
    <name>ashtally::ProgramOptionsPage</name>
    <message>
        <source>Run on startup</source>
        <translation>Άνοιγμα εφαρμογής με κάθε σύνδεση</translation>
    </message>
    <message>
        <source>Today page text:</source>
        <translation>Κείμενο υποδοχής:</translation>
    </message>
    <message>
        <source>Links:</source>
        <translation>Ιστοσελίδες:</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>Κείμενο για επικόλληση στο πρόχειρο:</translation>
    </message>
</context>
<context>
    <name>ashtally::QuitReasonsPage</name>
    <message>
        <source>Why I have quit smoking:</source>
        <translation>Γιατί έκοψα το κάπνισμα:</translation>
    </message>
</context>
<context>
    <name>ashtally::QuittersModel</name>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Quit date</source>
        <translation>Ημέρα κοψίματος</translation>
    </message>
</context>
<context>
    <name>ashtally::SideBar</name>
    <message>
        <source>Information</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Σήμερα</translation>
    </message>
    <message>
        <source>Milestones</source>
        <translation>Γιορτές</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Quit Reasons</source>
        <translation>Λόγοι</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Συνδέσεις</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>Εγώ</translation>
    </message>
    <message>
        <source>My Buddies</source>
        <translation>Οι φίλοι μου</translation>
    </message>
    <message>
        <source>Program Options</source>
        <translation>Επιλογές προγράμματος</translation>
    </message>
    <message>
        <source>Milestone Options</source>
        <translation>Επιλογές γιορτών</translation>
    </message>
</context>
<context>
    <name>ashtally::TMainForm</name>
    <message>
        <source>Today</source>
        <translation>Σήμερα</translation>
    </message>
    <message>
        <source>Ashtally will leave this file as it is and start with its defaults.</source>
        <translation>Το Ashtally θα αφήσει αυτό το αρχείο όπως είναι και θα ξεκινήσει με τις προεπιλογές του.</translation>
    </message>
</context>
<context>
    <name>ashtally::TMileForm</name>
    <message>
        <source>Congratulations!</source>
        <translation>Συγχαρητήρια!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
<context>
    <name>ashtally::TodayPage</name>
    <message>
        <source>Copy text to clipboard</source>
        <translation>Επικόλληση στο πρόχειρο</translation>
    </message>
    <message>
        <source>Copy statistics to clipboard</source>
        <translation>Αντιγραφή στο πρόχειρο</translation>
    </message>
    <message>
        <source>Show milestone window</source>
        <translation>Προβολή παραθύρου εορτής</translation>
    </message>
</context>
</TS>
