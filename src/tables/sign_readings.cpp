// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/sign_readings.h"

namespace tarvelin {

// Index 0 = Aries ... 11 = Pisces. Each text opens with its fixed words and
// has the fixed length that sizes its box on the result form; the doubled
// blank in the Leo looks text is part of it.
const SignReading kEnglishSignReadings[12] = {
    {
        // Aries
        "You may be slim and of medium height, with a firm, muscular build and "
        "a quick, purposeful walk. Your brows are bold, your gaze is direct, "
        "and a small scar on the head or face is common.",
        "You are very independent and dynamic. Mars, your ruler, gives you "
        "courage and a love of action, so you are usually the first to step "
        "forward when something needs doing. You dislike waiting and can grow "
        "restless when others move slowly. Challenges excite you rather than "
        "frighten you, and you often thrive where others hesitate. You speak "
        "your mind plainly, which some admire and others find abrupt. Your "
        "temper flares quickly but fades just as fast, and you rarely hold a "
        "grudge. You act on instinct and trust your gut. You enjoy "
        "competition, sports and anything that tests your strength. New "
        "beginnings suit you better than long routines, and you may start many "
        "projects before finishing the first. Learning patience and listening "
        "before you act will turn your energy into lasting achievement. "
        "Friends value your honesty and loyalty, and in a crisis you are the "
        "one they call first.",
        "You are ambitious by nature. Work that rewards drive suits you: the "
        "army, police, surgery, engineering, sport or running your own "
        "business. Money comes fast but may go faster.",
        "You are a romantic to the core and fall in love quickly and "
        "passionately. You enjoy the chase and like a partner who keeps you "
        "guessing. Home runs smoothly when you share decisions instead of "
        "making them alone.",
        "You may be prone to blood circulation troubles, headaches, fevers and "
        "minor cuts and burns. Rest and cool foods help you.",
    },
    {
        // Taurus
        "You are attractive and beautiful. Your face is pleasant and full, "
        "with large soft eyes, thick hair and a strong neck. You tend toward a "
        "sturdy frame and may gain weight easily in later years.",
        "You have a powerful and commanding personality. Under the gentle rule "
        "of Venus you combine strength with charm, and people tend to trust "
        "your steady judgment. You are patient, reliable and slow to anger, "
        "but once provoked you can be as stubborn as the Bull itself. Security "
        "matters deeply to you, and you build your life carefully, brick upon "
        "brick. You appreciate beauty in every form: good food, fine clothes, "
        "music, art and a comfortable home. Sudden change unsettles you, and "
        "you prefer proven methods over risky experiments. Your loyalty is "
        "unshakable, and friends know they can rely on you for years. Guard "
        "against possessiveness and learn to let go of what no longer serves "
        "you.",
        "You love spending on luxurious things. Fortunately you also know how "
        "to earn, and banking, finance, agriculture, real estate, jewelry, "
        "fashion and the arts all favor you. You save patiently and invest "
        "wisely, so your wealth grows over the years. Avoid lending large sums "
        "to friends.",
        "You may not express your emotions openly, yet your affections run "
        "deep. You are a devoted partner who shows love through warmth and "
        "comfort.",
        "You may not enjoy good health in the throat and neck region. Watch "
        "your thyroid too.",
    },
    {
        // Gemini
        "You are tall slim and good looking. Your arms are long, your hands "
        "expressive, and your bright eyes take in everything at once.",
        "You have an analytical mind. Ruled by Mercury, you are curious, witty "
        "and quick to grasp new ideas, and you love to talk, read and exchange "
        "news. Your adaptability is remarkable; you can hold two opinions at "
        "once and see every side of a question. Boredom is your greatest "
        "enemy, so you seek variety in work, travel and company. At times you "
        "scatter your energy over too many interests and leave tasks half "
        "done. You may seem restless or changeable to others, but you are "
        "simply hungry for knowledge. Your youthful spirit and bright wit keep "
        "you lively at any age. Learning to focus on one goal at a time will "
        "bring you the success your talents deserve.",
        "You will do very well in jobs that use words and numbers: writing, "
        "journalism, teaching, sales, accounting and communications. You may "
        "hold two jobs at once. Money comes from many sources, though spending "
        "can be just as varied.",
        "You are blessed with a long life. In love you want a partner who is "
        "also a friend and who can keep pace with your conversations. You may "
        "flirt lightly, but a stimulating companion keeps you loyal and "
        "content at home.",
        "You may have some problems of the lungs, nerves and shoulders. "
        "Breathing exercises and sound sleep help you.",
    },
    {
        // Cancer
        "You have a medium stature and may have a round face, a pale "
        "complexion and gentle eyes. Your upper body is often fuller than your "
        "limbs.",
        "You are a patient person and very sensitive to the moods of others. "
        "The Moon rules you, so your feelings ebb and flow like the tides. You "
        "are caring, protective and intuitive, and people come to you for "
        "comfort. You are a generous host who loves to feed friends. Your "
        "memory is excellent, especially for the past and for family stories. "
        "You can be shy at first and retreat into your shell when hurt. "
        "Security and belonging matter more to you than fame. You are thrifty "
        "and hold on to things, people and memories for a long time. When you "
        "learn to trust your inner strength, your kindness becomes a real "
        "source of power.",
        "You have an artistic bent of mind. Careers in nursing, catering, "
        "hospitality, history, property and shipping suit you. You are very "
        "careful with money and tend to save for the rainy day.",
        "Parents will mean a lot to you. Your home is your sanctuary, and you "
        "put great effort into making it warm and welcoming. You are a tender "
        "and loyal partner, though you need reassurance and may sulk when you "
        "feel ignored.",
        "You may have stress and mental illnesses when worries mount, and the "
        "chest and digestion are sensitive. Simple meals, clean water and time "
        "near the sea keep you well.",
    },
    {
        // Leo
        "You are tall  and have broad shoulders, a proud carriage and a thick "
        "mane of hair. Your eyes are bright and your presence fills any room.",
        "You are a leader and can never be content in the background. The Sun, "
        "your ruler, gives you warmth, dignity and a generous heart, and "
        "others naturally gather around you. You are confident, loyal and "
        "brave, and you stand up for those who depend on you. Praise and "
        "appreciation mean a great deal to you, and you work hardest when your "
        "efforts are noticed. Pride is your weak spot; any slight to your "
        "honor can wound you deeply. You love drama, celebration and grand "
        "gestures, and you give lavishly to people you care about. You think "
        "big and dislike petty details, which you gladly hand to others. You "
        "are a born organizer. When you temper your pride with humility, your "
        "natural authority inspires everyone around you.",
        "You can do well in professions that put you in charge or on the "
        "stage: government, politics, management, acting, entertainment and "
        "gold or luxury trade. You earn well but like to spend on display, so "
        "keep a reserve.",
        "You love living life king size. In romance you are warm, loyal and "
        "generous, and you enjoy courting your partner with gifts and "
        "surprises. You expect admiration in return and can feel hurt when it "
        "is absent. As a parent you are proud and protective, and your home is "
        "often the center of family gatherings and festivities.",
        "Heart problems may occur. Your back and spine also need care, so "
        "avoid overworking and keep your blood pressure under watch.",
    },
    {
        // Virgo
        "You are tall and slim with sharp features, bright eyes and a neat, "
        "well-groomed appearance. You often look younger than your years.",
        "You are practical and polished. Mercury rules your sign and gives you "
        "a sharp, discriminating mind that notices every detail others miss. "
        "You like order, method and clean surroundings, and you plan carefully "
        "before you act. You are modest and reserved, preferring to let your "
        "work speak for itself. Your sense of duty is strong, and you are "
        "happiest when you are useful to others. You can be highly critical, "
        "both of yourself and of those around you, and you may worry over "
        "small things. Perfectionism can slow you down or make you anxious "
        "when results fall short. You are a good student all your life and "
        "enjoy learning practical skills. You rarely waste anything. Health, "
        "diet and hygiene interest you greatly. Once you learn to accept "
        "imperfection and relax your standards a little, you become a calm and "
        "wise helper whose advice people seek and value.",
        "You are skilled in music and dance. Medicine, research, accountancy "
        "and editing also suit your precise mind and careful hands.",
        "You are not romantic at all. You show affection through practical "
        "help and quiet loyalty rather than words, and you need a partner who "
        "treasures that.",
        "Your intestine and liver may give you trouble. Eat simply and relax "
        "after a meal.",
    },
    {
        // Libra
        "You are tall and thin. Your features are well balanced and graceful, "
        "with a charming, ready smile, a fair complexion and an elegant style "
        "of dressing.",
        "Justice means everything to you. Ruled by Venus and symbolized by the "
        "Balance, you seek fairness, harmony and beauty in all that you do. "
        "You are polite, diplomatic and charming, and you can see both sides "
        "of any argument. Conflict upsets you, and you will go a long way to "
        "keep the peace. You weigh every choice carefully, which sometimes "
        "makes decisions slow and leaves you hesitant. You love art, music, "
        "fine clothes and pleasant company, and you have refined taste. "
        "Rudeness and vulgarity upset you. Partnership is central to your "
        "life, and you rarely feel complete on your own. People enjoy your "
        "company because you make them feel at ease. You may avoid unpleasant "
        "truths to spare feelings. Learning to stand by your own judgment will "
        "give you the balance you seek.",
        "You could make a career of the law, diplomacy, design, fashion, "
        "beauty or art. Partnerships bring you profits, and you earn well "
        "where taste and tact matter.",
        "Being peaceful and loving by nature, you make a gentle and attentive "
        "partner. Marriage matters deeply to you, and you work hard to keep "
        "your home calm, pretty and full of good friends.",
        "Kidney and liver are your weak parts. Drink plenty of water and avoid "
        "excess sweets and salt.",
    },
    {
        // Scorpio
        "You have broad body shape. Your eyes are deep and piercing and you "
        "radiate a quiet, magnetic intensity.",
        "Mysterious is the first word that comes to mind when people describe "
        "you. Mars rules your sign and lends you great willpower, endurance "
        "and depth of feeling. You are secretive and reveal yourself only to "
        "those you trust completely. Your intuition is sharp, and you can see "
        "through pretense with ease. You feel everything intensely, whether "
        "love, loyalty or anger. Once hurt, you find it hard to forgive, and "
        "you may wait a long time to settle a score. You always remember a "
        "good turn. You are resourceful and determined, and you rarely give up "
        "on a goal. Hidden subjects such as research, psychology and the "
        "occult fascinate you. You can transform yourself after setbacks and "
        "rise stronger than before. Learning to let go of jealousy and "
        "suspicion will free your remarkable energy for healing and creative "
        "work.",
        "You may come in possession of sudden wealth through inheritance, "
        "insurance or a partner's resources. Careers in surgery, "
        "investigation, research, mining, criminology and the occult sciences "
        "suit you. You keep your finances private and manage money shrewdly.",
        "Your possessive nature may create problems in love, yet you are "
        "devoted and passionate. You demand loyalty and give it in return. "
        "Jealousy can cause storms at home, so openness and trust are "
        "essential. Once committed, you stay faithful for life and guard your "
        "family fiercely.",
        "You may have problems from piles, urinary infections and reproductive "
        "disorders. Regular check-ups are a must.",
    },
    {
        // Sagittarius
        "You may be medium to tall and well built, with a longish face, a high "
        "forehead and a cheerful expression. You walk with long strides and "
        "have an open, friendly manner.",
        "You are very optimistic and spontaneous by nature. Jupiter rules your "
        "sign and blesses you with faith, good humor and a love of freedom. "
        "You are honest to the point of bluntness and loathe hypocrisy. "
        "Travel, philosophy and higher learning draw you, and you always seek "
        "the bigger picture. You are generous and kind, and your cheer lifts "
        "others. Restrictions make you restless, and you may promise more than "
        "you can deliver. When you add patience and discipline to your "
        "enthusiasm, your wisdom and luck take you far.",
        "You always yearn to learn more, and teaching, the law, religion, "
        "publishing, travel and overseas trade suit you well. Your luck with "
        "money is good, but you can be careless with it. Sound planning "
        "ensures that your wealth lasts into old age.",
        "You may have some problem dealing with commitments, because you value "
        "your freedom highly. You need a partner who shares your love for "
        "adventure and ideas. Once you find such a companion, you are "
        "cheerful, generous and loyal. Your home is open to visitors, and you "
        "love traveling with your family.",
        "Your body gives out too much heat, and your hips, thighs and liver "
        "need careful attention. Avoid overeating and rich foods, and exercise "
        "daily to stay fit.",
    },
    {
        // Capricorn
        "You have beautiful eyes. Your build is lean and bony, and your face "
        "grows more striking as the years go by.",
        "You want to achieve a lot in life and are prepared to work hard and "
        "wait for it. Saturn rules your sign and gives you patience, "
        "discipline and a serious outlook. You are practical, responsible and "
        "cautious, and you rarely take foolish risks. Status and respect "
        "matter to you, and you climb steadily toward your goals. You can seem "
        "reserved or cold at first, but your loyalty is deep once earned. You "
        "carry heavy burdens without any complaint and are often given "
        "responsibility early in life. Pessimism and worry can weigh upon you, "
        "and you may be too hard on yourself. Your dry sense of humor "
        "surprises those who know you well. Remember to rest and enjoy the "
        "fruits of your labor, for your success is almost certain with time.",
        "Material wealth means a lot to you. Administration, government, "
        "banking, construction and agriculture suit you. Income rises slowly "
        "but surely, and your savings grow.",
        "Domestic life will have its share of duties and responsibilities, and "
        "you take them seriously. You are slow to fall in love and may marry "
        "late or choose an older, more mature partner. You show love through "
        "security and steady support rather than soft words. Your family may "
        "rely on you heavily, and you rarely let them down.",
        "You may be prone to gout, arthritis, stiff joints and problems of the "
        "knees, bones and teeth.",
    },
    {
        // Aquarius
        "You have a fair complexion. You are of medium to tall height with a "
        "well-formed body and an open, intelligent face. Your style is "
        "original and often unusual, and people recall you for your friendly, "
        "slightly detached air.",
        "You are a thinker, philosopher and an idealist who cares deeply about "
        "humanity. Saturn gives you steadiness, and your sign gives you "
        "originality and a love of the new. You are friendly to all but close "
        "to few, and you guard your independence. Your ideas are often ahead "
        "of their time, and you enjoy science, reform and invention. You can "
        "be stubborn once your mind is made up. You are calm in a crisis and "
        "think well under pressure. People may find you detached or eccentric, "
        "yet you are loyal and humane. Group work and causes energize you. "
        "Balancing your ideals with warmth toward those nearest you will make "
        "your life rich.",
        "You will do very well in public service, social work, science, "
        "technology and organizations that serve society. Money often comes "
        "through friends and groups, and you spend it on causes you value.",
        "You are influenced more by your friends than by your family, and "
        "friendship forms the basis of your romance. You need a partner who "
        "respects your freedom and shares your ideals.",
        "Your legs and eyes may be weak. Poor circulation, swelling of the "
        "ankles and nervous tension are likely, so walk daily and keep regular "
        "hours to stay well.",
    },
    {
        // Pisces
        "You have the perfect body with the grace of a dancer, soft features, "
        "big dreamy eyes and small feet. Your gentle expression wins sympathy "
        "wherever you go.",
        "You are very creative and soft by nature, with a rich imagination and "
        "deep compassion. Jupiter rules your sign and gives you faith, "
        "kindness and a spiritual bent. You feel the pain of others as your "
        "own and are quick to help. Your intuition is strong, and you often "
        "sense what cannot be said. You dislike harsh realities and may escape "
        "into dreams, music or solitude. At times you lack confidence and let "
        "others take advantage of your goodness. You adapt easily to "
        "circumstances and can fit into any company. Art, poetry, healing and "
        "devotion come naturally to you. Water and music soothe your soul. "
        "Learning to set firm boundaries will protect your gentle heart and "
        "allow your gifts to flow freely.",
        "You are artistically inclined. Music, painting, film, photography, "
        "healing, charity and religious work suit you. You are generous with "
        "money, sometimes too generous, so a careful partner or adviser is "
        "valuable in financial matters.",
        "Your children will be very fortunate to have such a caring and "
        "devoted parent. In love you are tender, romantic and "
        "self-sacrificing, and you idealize your partner. You need a gentle "
        "and dependable companion who cherishes your softness. Your home is a "
        "peaceful refuge full of music and warmth.",
        "Common cold will be your constant companion. Your feet are sensitive, "
        "so keep them warm and dry, and avoid alcohol and damp places.",
    },
};

void FillSignReadings(SignTables& tables, Language language) {
  const SignReading* readings = kEnglishSignReadings;
  if (language == Language::kHindi) readings = kHindiSignReadings;
  if (language == Language::kTamil) readings = kTamilSignReadings;
  for (int s = 0; s < 12; ++s) {
    const SignReading& r = readings[s];
    tables.LooksText[s] = r.looks;
    tables.NatureText[s] = r.nature;
    tables.CareerAndFinanceText[s] = r.career_and_finance;
    tables.LoveAndDomesticLifeText[s] = r.love_and_domestic_life;
    tables.HealthText[s] = r.health;
  }
}

}  // namespace tarvelin
